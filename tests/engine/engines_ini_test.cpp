// engines.ini: the documented form read and written, damaged files read as far as they are
// sound, and a missing file as no engines.
#include "engine/engines_ini.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace yukora {
namespace {

using namespace std::string_literals;

// What was read, as one text: each engine, then the game.
std::string 要約(const エンジン設定& s) {
    std::string out;
    for (const 登録エンジン& e : s.一覧) {
        out += std::to_string(e.番号) + ":" + e.名前 + "@" + e.パス;
        for (const auto& [k, v] : e.値) out += " " + k + "=" + v;
        out += "; ";
    }
    return out + "game " + std::to_string(s.対局エンジン) + "/" + std::to_string(s.相手エンジン) +
           " " + std::to_string(s.時間.持ち時間分) + "m " + std::to_string(s.時間.秒読み秒) +
           "s +" + std::to_string(s.時間.加算秒);
}

constexpr const char* 文書の形 =
    "[engine.1]\nname=Yukora将棋1\npath=/usr/bin/yukora-usi\noption.Level=2\n"
    "option.MultiPV=3\n[game]\nengine=1\ntime=0\nbyoyomi=10\nincrement=0\n";

TEST(エンジン設定ファイル, 良いものも傷んだものも読めるところまで読む) {
    const std::pair<std::string, const char*> 表[] = {
        {文書の形, "1:Yukora将棋1@/usr/bin/yukora-usi Level=2 MultiPV=3; game 1/0 0m 10s +0"},
        {"", "game 0/0 0m 10s +0"},
        {"\xEF\xBB\xBF[engine.2]\r\nname = A \r\npath=/a\r\n[engine.5]\nname=B\npath=/b c/d\n"
         "[game]\nengine=5\nengine2=2\ntime=15\nbyoyomi=0\nincrement=3\n",
         "2:A@/a; 5:B@/b c/d; game 5/2 15m 0s +3"},
        {"[engine.1]\nname=A\npath=relative/a\n[engine.2]\npath=/b\n[engine.3]\nname=C\npath=/c\n",
         "3:C@/c; game 3/0 0m 10s +0"},
        {"[engine.1]\nname=A\npath=/a\n[engine.1]\nname=B\npath=/b\n",
         "1:A@/a; game 1/0 0m 10s +0"},
        {"[engine.x]\nname=A\npath=/a\n[engine.0]\nname=B\npath=/b\n", "game 0/0 0m 10s +0"},
        {"[game]\nengine=7\nengine2=9\ntime=-1\nbyoyomi=abc\nincrement=99999\n",
         "game 0/0 0m 10s +0"},
        {"[game]\ntime=0\nbyoyomi=0\nincrement=0\n", "game 0/0 0m 10s +0"},
        {"garbage\n=\n[engine.1\nname=A\n[engine.1]\nname=A\npath=/a\nノ=1\noption.=2\n",
         "1:A@/a; game 1/0 0m 10s +0"},
        {"[engine.1]\nname=A\xff\npath=/a\n", "game 0/0 0m 10s +0"},
        {"[engine.1]\nname=A\0\npath=/a\n"s, "game 0/0 0m 10s +0"},
    };
    for (const auto& [bytes, expected] : 表)
        EXPECT_EQ(要約(エンジン設定を読む(bytes)), expected) << bytes;
}

TEST(エンジン設定ファイル, 書いて読むと同じで無い傷んだ大きすぎるファイルは登録なし) {
    test::棋譜試験::一時フォルダ dir;
    EXPECT_TRUE(読込_エンジン設定(dir.場所()).一覧.empty());
    エンジン設定 s = エンジン設定を読む(文書の形);
    s.一覧.push_back({4, "二つ目", "作者", "/opt/エンジン/run", {{"Hash", "64"}}});
    s.相手エンジン = 4;
    s.時間 = {30, 0, 10};
    ASSERT_EQ(書込_エンジン設定(dir.場所(), s), 0);
    EXPECT_EQ(読込_エンジン設定(dir.場所()), s);
    dir.置く("engines.ini", std::string(2 << 20, 'x'));
    EXPECT_TRUE(読込_エンジン設定(dir.場所()).一覧.empty());
    std::filesystem::remove(dir.中("engines.ini"));
    std::filesystem::create_directory(dir.中("engines.ini"));
    EXPECT_TRUE(読込_エンジン設定(dir.場所()).一覧.empty());
}

}  // namespace
}  // namespace yukora
