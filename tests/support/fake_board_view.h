// A 盤描画 and a タイマー that only record what they were asked to do.
#pragma once
#include <string>
#include <vector>

#include "game/board_view.h"
#include "game/clock_port.h"

namespace yukora::test {

class 記録する盤描画 final : public 盤描画 {
public:
    std::vector<std::string> 呼出し;
    void 描画_絵(int code, double x, double y) override {
        呼出し.push_back("絵 " + std::to_string(code) + " " + 数(x) + " " + 数(y));
    }
    void 描画_桝輪郭(int colour, double x, double y) override {
        呼出し.push_back("輪郭 " + std::to_string(colour) + " " + 数(x) + " " + 数(y));
    }
    void 描画_自持盤() override { 呼出し.push_back("自持盤"); }
    void 描画_敵持盤() override { 呼出し.push_back("敵持盤"); }
    void 画面_再描画() override { 呼出し.push_back("再描画"); }

private:
    static std::string 数(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }
};

class 記録するタイマー final : public タイマー {
public:
    bool on = true;
    void 有効設定(bool v) override { on = v; }
    bool 有効() const override { return on; }
};

}  // namespace yukora::test
