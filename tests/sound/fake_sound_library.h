// A sound library that records every call, for the program-side tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/dialog_port.h"
#include "sound/sound_library_port.h"

namespace yukora::sound_test {

struct 呼出 {
    std::string 関数;
    std::int32_t handle = 0;
    bool operator==(const 呼出&) const = default;
};

class 記録サウンドライブラリ final : public サウンドライブラリ {
public:
    std::int32_t 初期化結果 = 7;
    std::vector<呼出> 呼出記録;
    std::vector<std::vector<std::uint8_t>> 画像;
    std::vector<std::int32_t> フラグ;

    std::int32_t dsInitialize(std::intptr_t) override {
        呼出記録.push_back({"dsInitialize", 0});
        return 初期化結果;
    }
    std::int32_t dsTerminate(std::int32_t library) override { return 記録("dsTerminate", library); }
    std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* image, std::size_t size,
                             std::int32_t flags) override {
        画像.emplace_back(image, image + size);
        フラグ.push_back(flags);
        記録("dsCreateDSB", library);
        return 100 + static_cast<std::int32_t>(画像.size());
    }
    std::int32_t dsFree(std::int32_t b) override { return 記録("dsFree", b); }
    std::int32_t dsPlay(std::int32_t b) override { return 記録("dsPlay", b); }
    std::int32_t dsPlayLooping(std::int32_t b) override { return 記録("dsPlayLooping", b); }
    std::int32_t dsStop(std::int32_t b) override { return 記録("dsStop", b); }

private:
    std::int32_t 記録(const char* name, std::int32_t handle) {
        呼出記録.push_back({name, handle});
        return handle != 0 ? 1 : 0;
    }
};

struct 表示 {
    std::string text, title;
};

class 記録ダイアログ final : public ダイアログ {
public:
    std::vector<表示> 表示記録;
    void メッセージ(const std::string& text, const std::string& title) override {
        表示記録.push_back({text, title});
    }
    bool 質問(const std::string&, const std::string&) override { return true; }
};

}  // namespace yukora::sound_test
