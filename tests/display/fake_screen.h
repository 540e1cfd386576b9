// A screen, a clock and the other display ports that only record what they were asked to do.
#pragma once
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "display/display.h"
#include "display/grid.h"
#include "display/influence_tint.h"
#include "display/pictures.h"
#include "game/clock_port.h"
#include "game/dialog_port.h"
#include "game/screen_port.h"
#include "game/sounds.h"

namespace yukora::test::表示試験 {

// Each call as one line: "絵 KARA_MASU 1620 760", "地色絵 SITA_HU(0) 1620 760 9 2",
// "輪郭 0 1620 760 2190 1420",
// "文字 9093 2372 10 0 手目", "太字 1", "表示".
class 記録する画面 final : public 画面 {
public:
    std::vector<std::string> 呼出し;

    void 絵(int 番号, int X, int Y) override {
        呼出し.push_back("絵 " + std::string(絵一覧.at(番号).名前) + " " + 点(X, Y));
    }
    void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) override {
        呼出し.push_back("地色絵 " + std::string(絵一覧.at(番号).名前) + " " + 点(X, Y) + " " +
                         std::to_string(色) + " " + std::to_string(濃さ));
    }
    void 輪郭(int 色, int X1, int Y1, int X2, int Y2) override {
        呼出し.push_back("輪郭 " + std::to_string(色) + " " + 点(X1, Y1) + " " + 点(X2, Y2));
    }
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) override {
        呼出し.push_back("文字 " + 点(X, Y) + " " + std::to_string(大きさ) + " " +
                         std::to_string(色) + " " + std::string(text));
    }
    void 太字(bool on) override { 呼出し.push_back(on ? "太字 1" : "太字 0"); }
    void 今すぐ表示() override { 呼出し.push_back("表示"); }

    // The calls that start with `prefix`, in order.
    std::vector<std::string> 絞込(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const auto& c : 呼出し)
            if (std::string_view(c).substr(0, prefix.size()) == prefix) out.push_back(c);
        return out;
    }
    void 消去() { 呼出し.clear(); }

    // How each board square looks after the calls so far: the tint of the last picture drawn
    // there and the influence counts printed over it since (white, 7 points, in the upper
    // right corner for the top side and the lower left for the bottom side).
    地色表 盤の地色() const {
        地色表 t{};
        for (const auto& c : 呼出し) {
            std::istringstream in(c);
            std::string kind, name;
            int X = 0, Y = 0;
            in >> kind;
            if (kind == "絵" || kind == "地色絵") {
                in >> name >> X >> Y;
                if (勢力地色* sq = 桝(t, X, Y)) {
                    *sq = {};
                    if (kind == "地色絵") in >> sq->色 >> sq->濃さ;
                }
            } else if (kind == "文字") {
                int size = 0, colour = 0;
                std::string text;
                in >> X >> Y >> size >> colour >> text;
                if (size != 7 || colour != 15) continue;
                if (勢力地色* sq = 桝(t, X - 455, Y - 10)) sq->上 = std::stoi(text);
                if (勢力地色* sq = 桝(t, X - 45, Y - 485)) sq->下 = std::stoi(text);
            }
        }
        return t;
    }

private:
    static std::string 点(int X, int Y) { return std::to_string(X) + " " + std::to_string(Y); }
    static 勢力地色* 桝(地色表& t, int X, int Y) {
        if ((X - 盤原点X) % 桝幅 != 0 || (Y - 盤原点Y) % 桝高 != 0) return nullptr;
        const int x = (X - 盤原点X) / 桝幅, y = (Y - 盤原点Y) / 桝高;
        return 盤上か(x, y) ? &t[x][y] : nullptr;
    }
};

// Each reading of the time of day advances it by a fixed step.
class 進む時計 final : public 時計 {
public:
    float 今 = 1000.0f;
    float 刻み = 0.01f;
    int 読んだ回数 = 0;
    float 現在秒() override {
        ++読んだ回数;
        const float t = 今;
        今 += 刻み;
        if (今 >= 86400.0f) 今 -= 86400.0f;
        return t;
    }
    void 表示更新() override {}
};

class 記録するダイアログ final : public ダイアログ {
public:
    std::vector<std::string> 表示した;
    void メッセージ(const std::string& text, const std::string& title) override {
        表示した.push_back(title + ": " + text);
    }
    bool 質問(const std::string& text, const std::string& title) override {
        表示した.push_back(title + "? " + text);
        return true;
    }
};

class 記録する効果音 final : public 効果音 {
public:
    std::vector<std::string> 鳴った;
    void 鳴らす(音 which) override {
        static constexpr const char* 名[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
        鳴った.emplace_back(名[static_cast<int>(which)]);
    }
};

class 記録する付随 final : public 再描画の付随 {
public:
    std::vector<std::string> 呼出し;
    void 描画_所有時間(int side, float seconds) override {
        呼出し.push_back("所有時間 " + std::to_string(side) + " " +
                         std::to_string(static_cast<int>(seconds)));
    }
    void 描画_レベル(int n) override { 呼出し.push_back("レベル " + std::to_string(n)); }
    void 描画_ハンデレベル(int n) override {
        呼出し.push_back("ハンデレベル " + std::to_string(n));
    }
};

}  // namespace yukora::test::表示試験
