// What can go wrong with an engine, as values, and what the person is told.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

enum class 故障の種類 {
    起動できない,  // missing, not executable, or refused to start
    usiokなし,     // no usiok within 10 s of usi
    readyokなし,   // no readyok within 30 s of isready
    終了,          // the process ended by itself
    応答なし,      // no bestmove within its time and 10 s
    文字でない,    // a line that is no text
    長すぎる行,    // a line over 1 MiB
    行が多すぎる,  // a flood of lines
};

struct エンジン故障 {
    故障の種類 種類;
    std::string 詳細;  // the exit code, the reason the start failed …
    bool operator==(const エンジン故障&) const = default;
};

// What the person is told, naming the engine.
std::string 故障の知らせ(const エンジン故障& f, std::string_view engine);

}  // namespace yukora
