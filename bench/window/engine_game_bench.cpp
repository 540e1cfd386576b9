// An engine game in the window, the scripted engine against itself through real processes:
// the window's own cost per engine move (from its bestmove read to the move drawn and the
// other engine's go written) and the longest the event loop was kept from running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "engine/engines_ini.h"
#include "window/app.h"

namespace {

using namespace yukora;
using 時刻 = std::chrono::steady_clock;

double ミリ(時刻::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct 計測 {
    時刻::time_point 読んだ;
    bool 待ち = false;
    std::vector<double> 一手;  // milliseconds
};

// Notes when a bestmove is read, before the game hears of it.
class 計る受け手 final : public エンジン出力の受け手 {
public:
    explicit 計る受け手(計測& m) : m_(m) {}
    エンジン出力の受け手* to = nullptr;
    void 行が来た(std::string_view line, bool 長すぎる) override {
        if (line.starts_with("bestmove")) {
            m_.読んだ = 時刻::now();
            m_.待ち = true;
        }
        to->行が来た(line, 長すぎる);
    }
    void 終了した(int code, bool 異常) override { to->終了した(code, 異常); }
    void 起動できなかった(const std::string& why) override { to->起動できなかった(why); }

private:
    計測& m_;
};

// The window's process with the go it writes after a bestmove timed.
class 計るプロセス final : public エンジンプロセス {
public:
    計るプロセス(std::unique_ptr<エンジンプロセス> inner, 計測& m)
        : inner_(std::move(inner)), m_(m), 受け手_(m) {}
    void 起動(const std::string& path, エンジン出力の受け手& to) override {
        受け手_.to = &to;
        inner_->起動(path, 受け手_);
    }
    void 書く(std::string_view line) override {
        if (m_.待ち && line.starts_with("go")) {
            m_.一手.push_back(ミリ(時刻::now() - m_.読んだ));
            m_.待ち = false;
        }
        inner_->書く(line);
    }
    void 終える() override { inner_->終える(); }

private:
    std::unique_ptr<エンジンプロセス> inner_;
    計測& m_;
    計る受け手 受け手_;
};

double 中央値(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void エンジン対局の一手(benchmark::State& state) {
    constexpr int 最大手数 = 200;
    for (auto _ : state) {
        const std::filesystem::path dir =
            std::filesystem::temp_directory_path() / ("yukora-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        const std::string path = (dir / "scripted-play").string();
        std::filesystem::remove(path);
        std::filesystem::create_symlink(YUKORA_SCRIPTED_ENGINE, path);
        エンジン設定 s;
        s.一覧 = {{1, "A", "", path, {}}, {2, "B", "", path, {}}};
        s.対局エンジン = 1;
        s.相手エンジン = 2;
        書込_エンジン設定(dir.string(), s);
        計測 m;
        double 最長の間 = 0;
        {
            window::窓アプリ app(1.0, dir, std::make_unique<window::無音ライブラリ>());
            app.開始();
            app.エンジン窓口().作る = [&] {
                return std::make_unique<計るプロセス>(
                    std::make_unique<window::Qtエンジンプロセス>(app.墓場()), m);
            };
            // Every 2 ms: the gap since the last tick, and any message box answered.
            QTimer probe;
            auto last = 時刻::now();
            QObject::connect(&probe, &QTimer::timeout, [&] {
                const auto now = 時刻::now();
                最長の間 = std::max(最長の間, ミリ(now - last));
                last = now;
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->done(QMessageBox::Ok);
            });
            probe.start(2);
            app.窓().項目("ENGINE_BOTH")->trigger();
            const エンジン対局* g = app.対局().エンジン対局部();
            while (g && !g->終わった && app.進行().数.手数 < 最大手数)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (g && !g->終わった) app.窓().項目("ENGINE_STOP")->trigger();
            last = 時刻::now();
            for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            state.counters["手数"] = app.進行().数.手数;
        }
        std::filesystem::remove_all(dir);
        state.counters["一手の中央値ms"] = 中央値(m.一手);
        state.counters["一手の最大ms"] =
            m.一手.empty() ? 0 : *std::max_element(m.一手.begin(), m.一手.end());
        state.counters["最長の間ms"] = 最長の間;
    }
}
BENCHMARK(エンジン対局の一手)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
