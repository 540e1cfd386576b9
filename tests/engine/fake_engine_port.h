// An engine process and a clock for tests: the lines written are kept, the lines the engine
// prints are handed in by the test.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_session.h"

namespace yukora::test {

class 偽のプロセス final : public エンジンプロセス {
public:
    ~偽のプロセス() override {
        if (消える) 消える();
    }
    std::function<void()> 消える;  // told when the game lets the process go
    std::vector<std::string> 書いた;
    std::string 起動したパス;
    bool 終えた = false;
    エンジン出力の受け手* 受け手 = nullptr;

    // A path under "/missing/" cannot be started.
    void 起動(const std::string& path, エンジン出力の受け手& to) override {
        起動したパス = path;
        受け手 = &to;
        if (path.starts_with("/missing/")) to.起動できなかった("ファイルがありません: " + path);
    }
    void 書く(std::string_view line) override { 書いた.emplace_back(line); }
    void 終える() override { 終えた = true; }
    // The engine prints these lines.
    void 出す(std::initializer_list<std::string_view> lines) {
        for (const std::string_view l : lines)
            if (!終えた) 受け手->行が来た(l, false);
    }
    // The lines written that start with `prefix`.
    std::vector<std::string> 書いた行(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& l : 書いた)
            if (l.starts_with(prefix)) out.push_back(l);
        return out;
    }
};

class 偽の時計 final : public 経過時計 {
public:
    std::int64_t 今 = 1'000'000;
    std::int64_t ミリ秒() override { return 今; }
};

// Every report of a conversation, as one line each.
class 記録する受け手 final : public エンジン対話の受け手 {
public:
    std::vector<std::string> 聞いた;
    void 識別できた(エンジン対話& e) override { 聞いた.push_back("識別 " + e.名前()); }
    void 準備できた(エンジン対話&) override { 聞いた.push_back("準備"); }
    void 指した(エンジン対話&, const 最善手& b) override { 聞いた.push_back("指した " + b.手); }
    void 読んだ(エンジン対話&, const 読み筋& i) override {
        聞いた.push_back("読んだ " + std::to_string(i.深さ.value_or(-1)));
    }
    void 故障した(エンジン対話&, const エンジン故障& f) override {
        聞いた.push_back("故障 " + std::to_string(static_cast<int>(f.種類)) + " " + f.詳細);
    }
};

}  // namespace yukora::test
