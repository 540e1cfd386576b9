// A background painter, a music player and a zooming window that only record what they were
// asked.
#pragma once
#include <string>
#include <vector>

#include "settings/settings_ports.h"
#include "settings/settings_state.h"

namespace yukora::test::設定試験 {

class 記録する背景 final : public 背景描画 {
public:
    std::vector<int> 描いた背景;
    void 描画_背景(int n) override { 描いた背景.push_back(n); }
};

class 記録するBGM final : public BGM演奏 {
public:
    std::vector<std::string> 操作;
    void ループ再生() override { 操作.push_back("ループ再生"); }
    void 停止() override { 操作.push_back("停止"); }
};

// A window that records the zooms it is told to take.
class 記録する倍率窓 final : public 表示倍率の窓 {
public:
    std::vector<int> 倍率;
    int 初回 = 表示倍率_既定;
    void 表示倍率設定(int n) override { 倍率.push_back(n); }
    int 初回の表示倍率() const override { return 初回; }
};

}  // namespace yukora::test::設定試験
