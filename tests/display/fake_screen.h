// A screen, a clock and the other display ports that only record what they were asked to do.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "display/display.h"
#include "display/pictures.h"
#include "game/clock_port.h"
#include "game/dialog_port.h"
#include "game/screen_port.h"
#include "game/sounds.h"

namespace yukora::test::表示試験 {

// Each call as one line: "絵 KARA_MASU 1620 760", "輪郭 0 1620 760 2190 1420",
// "文字 9093 2372 10 0 手目", "太字 1", "表示".
class 記録する画面 final : public 画面 {
public:
    std::vector<std::string> 呼出し;

    void 絵(int 番号, int X, int Y) override {
        呼出し.push_back("絵 " + std::string(絵一覧.at(番号).名前) + " " + 点(X, Y));
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

private:
    static std::string 点(int X, int Y) { return std::to_string(X) + " " + std::to_string(Y); }
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
