// The window's start-up and full repaint on Qt's offscreen platform.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "display/pictures.h"
#include "window/app.h"
#include "window/pictures/art.h"

namespace {

using yukora::window::窓アプリ;

// Seconds since this process was created, from /proc (10 ms resolution).
double 起動からの秒() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i) rest >> field;  // field 22 is the start time
    unsigned long long start = 0;
    rest >> start;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec * 1e-9 - static_cast<double>(start) / sysconf(_SC_CLK_TCK);
}

void 開始から初回再描画(benchmark::State& state) {
    const qreal dpr = state.range(0);
    for (auto _ : state) {
        窓アプリ app(dpr, std::filesystem::temp_directory_path(),
                     std::make_unique<yukora::window::無音ライブラリ>());
        app.開始();
        benchmark::DoNotOptimize(app.画像().画像().constBits());
    }
}
BENCHMARK(開始から初回再描画)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void 画面_再描画(benchmark::State& state) {
    窓アプリ app(state.range(0), std::filesystem::temp_directory_path(),
                 std::make_unique<yukora::window::無音ライブラリ>());
    app.開始();
    for (auto _ : state) {
        app.表示部().画面_再描画();
        benchmark::DoNotOptimize(app.画像().画像().constBits());
    }
}
BENCHMARK(画面_再描画)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The full repaint at a zoom of the menu (percent), on a screen of pixel ratio 1.
void 画面_再描画_表示倍率(benchmark::State& state) {
    窓アプリ app(1.0, std::filesystem::temp_directory_path(),
                 std::make_unique<yukora::window::無音ライブラリ>());
    app.開始();
    app.窓().表示倍率設定(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        app.表示部().画面_再描画();
        benchmark::DoNotOptimize(app.画像().画像().constBits());
    }
}
BENCHMARK(画面_再描画_表示倍率)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// Choosing a zoom: the pictures made at the new size and the screen drawn again on them,
// from 100 % to the zoom and back.
void 表示倍率の切替(benchmark::State& state) {
    窓アプリ app(1.0, std::filesystem::temp_directory_path(),
                 std::make_unique<yukora::window::無音ライブラリ>());
    app.開始();
    for (auto _ : state) {
        app.窓().表示倍率設定(static_cast<int>(state.range(0)));
        app.窓().表示倍率設定(100);
        benchmark::DoNotOptimize(app.画像().画像().constBits());
    }
}
BENCHMARK(表示倍率の切替)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

// One picture drawn from nothing: the empty square, a pawn, a promoted rook, a king, a tile of
// each background and the logo.
void 絵を作る(benchmark::State& state) {
    const int 番号 = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QImage pic = yukora::window::絵を作る(番号, 1.0);
        benchmark::DoNotOptimize(pic.constBits());
    }
    state.SetLabel(yukora::絵一覧[番号].名前);
}
BENCHMARK(絵を作る)->DenseRange(29, 34)->Arg(0)->Arg(1)->Arg(13)->Arg(14)->Unit(
    benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    {
        // As the program starts: the window built, the game set up and painted, shown.
        窓アプリ app(qt.devicePixelRatio(), std::filesystem::temp_directory_path(),
                     std::make_unique<yukora::window::無音ライブラリ>());
        app.開始();
        app.窓().show();
        app.窓().キャンバス().repaint();
        std::printf("process start to first full repaint shown: %.0f ms\n", 起動からの秒() * 1000);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
