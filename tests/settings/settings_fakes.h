// A background painter and a music player that only record what they were asked.
#pragma once
#include <string>
#include <vector>

#include "settings/settings_ports.h"

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

}  // namespace yukora::test::設定試験
