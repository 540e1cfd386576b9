// Engine faults against real processes: the scripted engine started under the name of each
// misbehaviour, through the window's process adapter. The deadlines run on a fake clock, so
// no case waits out ten real seconds; every process must be gone (reaped) afterwards.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "engine/engine_session.h"
#include "support/temp_folder.h"
#include "window/qt_engine_process.h"

namespace yukora::window {
namespace {

class 偽の時計 final : public 経過時計 {
public:
    std::int64_t 今 = 0;
    std::int64_t ミリ秒() override { return 今; }
};

class 故障を待つ final : public エンジン対話の受け手 {
public:
    std::optional<エンジン故障> 故障;
    bool 準備 = false;
    void 準備できた(エンジン対話&) override { 準備 = true; }
    void 故障した(エンジン対話&, const エンジン故障& f) override { 故障 = f; }
};

// Runs the event loop until `done` holds; false after a long guard time (a hung test).
template <class F>
bool 待つ(F done) {
    const QDeadlineTimer guard(60'000);
    while (!done()) {
        if (guard.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

struct 故障の場合 {
    const char* 型;
    エンジン対話::段階 進める段階;  // the clock jumps past the deadline once here (未起動: never)
    const char* 知らせ;
};

TEST(エンジンの故障, 本物のプロセスで知らせを出し後に何も残さない) {
    using 段 = エンジン対話::段階;
    const 故障の場合 表[] = {
        {"missing", 段::未起動, "ｴﾝｼﾞﾝ「E」を起動できません"},
        {"notexec", 段::未起動, "ｴﾝｼﾞﾝ「E」を起動できません"},
        {"nousiok", 段::usi待ち, "ｴﾝｼﾞﾝ「E」が10秒以内に usiok を返しません"},
        {"noreadyok", 段::ready待ち, "ｴﾝｼﾞﾝ「E」が30秒以内に readyok を返しません"},
        {"crash", 段::未起動, "ｴﾝｼﾞﾝ「E」が終了しました\n(異常終了)"},
        {"exit", 段::未起動, "ｴﾝｼﾞﾝ「E」が終了しました\n(終了コード 3)"},
        {"hang", 段::思考中, "ｴﾝｼﾞﾝ「E」が持ち時間を10秒過ぎても指しません"},
        {"garbage", 段::未起動, "ｴﾝｼﾞﾝ「E」が文字でない行を出力しました"},
        {"longline", 段::未起動, "ｴﾝｼﾞﾝ「E」が1MiBを超える行を出力しました"},
        {"flood", 段::未起動, "ｴﾝｼﾞﾝ「E」の出力が多すぎます"},
    };
    test::棋譜試験::一時フォルダ dir;
    dir.置く("scripted-notexec", "#!/bin/sh\n");
    for (const 故障の場合& c : 表) {
        const std::string path = dir.中(std::string("scripted-") + c.型);
        if (std::string(c.型) != "missing" && std::string(c.型) != "notexec")
            std::filesystem::create_symlink(YUKORA_SCRIPTED_ENGINE, path);
        偽の時計 clock;
        故障を待つ owner;
        qint64 pid = 0;
        {
            エンジン墓場 graveyard;
            auto* process = new Qtエンジンプロセス(graveyard);
            エンジン対話 engine(std::unique_ptr<エンジンプロセス>(process), clock, owner);
            engine.起動(path, {}, true);
            pid = process->番号();
            bool jumped = false;
            ASSERT_TRUE(待つ([&] {
                if (owner.準備 && engine.今の段階() == 段::待機)
                    engine.考える("position startpos", "go btime 0 wtime 0 byoyomi 1000",
                                  clock.今 + 1000 + 指し手の猶予);
                // The engine has spoken (its name) or moved on to the stage of the case.
                if (!jumped && engine.今の段階() == c.進める段階 && !engine.名前().empty()) {
                    jumped = true;
                    clock.今 += readyokの期限 + 指し手の猶予;
                    engine.時刻();
                }
                return owner.故障.has_value();
            })) << c.型;
            const std::string first = 故障の知らせ(*owner.故障, "E");
            const std::string expected = c.知らせ;
            EXPECT_EQ(expected.find('\n') == std::string::npos ? first.substr(0, first.find('\n'))
                                                               : first,
                      expected)
                << c.型;
            ASSERT_TRUE(待つ([&] { return graveyard.残り() == 0; })) << c.型;
        }
        // Reaped: not even a zombie answers a signal.
        if (pid > 0) {
            EXPECT_TRUE(::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) << c.型;
        }
    }
}

}  // namespace
}  // namespace yukora::window
