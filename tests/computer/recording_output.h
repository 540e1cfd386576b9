// A turn output that records every call as one line of text, and answers the clock calls.
#pragma once
#include <string>
#include <vector>

#include "computer/turn_output.h"

namespace yukora::test {

class 記録する手番出力 final : public 手番出力 {
public:
    std::vector<std::string> 記録;
    bool KEIKA = true;
    float 時刻 = 100.0f;
    float 刻み = 0;  // the time of day moves on by this much at every reading
    bool タイマー = false;

    void 描画_絵(int code, double x, double y) override { 書く("描画_絵", code, x, y); }
    void 描画_桝輪郭(int colour, double x, double y) override { 書く("描画_桝輪郭", colour, x, y); }
    void 描画_自持盤() override { 記録.push_back("描画_自持盤"); }
    void 描画_敵持盤() override { 記録.push_back("描画_敵持盤"); }
    void 画面_再描画() override { 記録.push_back("画面_再描画"); }
    void 消去_思考中() override { 記録.push_back("消去_思考中"); }
    void 描画_数値(double x, double y, const std::string& value, int colour, int kanji,
                   int size) override {
        記録.push_back("描画_数値 " + value + 数(x) + 数(y) + 数(colour) + 数(kanji) + 数(size));
    }
    void 描画_手数(int n, int colour) override { 書く("描画_手数", n, colour); }
    void 描画_駒点滅(int code, double x, double y, int times) override {
        記録.push_back("描画_駒点滅" + 数(code) + 数(x) + 数(y) + 数(times));
    }
    void 描画_移動結果(int side, int x, int y, int piece, int colour) override {
        記録.push_back("描画_移動結果" + 数(side) + 数(x) + 数(y) + 数(piece) + 数(colour));
    }
    void 消去_移動結果(int side) override { 記録.push_back("消去_移動結果" + 数(side)); }
    void 表示更新() override { 記録.push_back("表示更新"); }
    void Timer1_Timer() override { 記録.push_back("Timer1_Timer"); }
    float 現在秒() override {
        const float t = 時刻;
        時刻 += 刻み;
        return t;
    }
    void 待ち時間(float seconds) override { 記録.push_back("待ち時間" + 数(seconds)); }
    void Timer1有効設定(bool on) override {
        タイマー = on;
        記録.push_back(on ? "Timer1 on" : "Timer1 off");
    }
    bool KEIKAチェック済() override { return KEIKA; }
    void 効果音(音 which) override {
        static constexpr const char* 名[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
        記録.push_back(std::string("効果音 ") + 名[static_cast<int>(which)]);
    }
    void メッセージ(const std::string& text, const std::string& title) override {
        記録.push_back("メッセージ [" + text + "] [" + title + "]");
    }

    // The recorded calls that start with `prefix`.
    std::vector<std::string> 選ぶ(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : 記録)
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }

private:
    static std::string 数(double v) {
        std::string s = std::to_string(v);
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
        return " " + s;
    }
    void 書く(const char* name, int a, double b, double c) {
        記録.push_back(name + 数(a) + 数(b) + 数(c));
    }
    void 書く(const char* name, int a, int b) { 記録.push_back(name + 数(a) + 数(b)); }
};

}  // namespace yukora::test
