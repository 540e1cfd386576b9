// The move list and graph beside the board following a 300-move record: one step of 進 or 戻
// with both shown, and the whole list written into the table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "game/board_view.h"
#include "review/move_rows.h"
#include "rules/initial_setup.h"
#include "rules/making_move.h"
#include "window/app.h"

namespace {

using namespace yukora;
using window::窓アプリ;

// Both kings step forward and back for `n` moves, stored as a loaded record, shown at move `at`.
void 長い棋譜を置く(窓アプリ& app, int n, int at) {
    ゲーム状態& g = app.対局().状態;
    初期配置(g.盤面);
    g.進行.番 = {.手番 = 先手, .MAN番 = 先手, .COM番 = 後手, .棋譜モード = 1};
    g.進行.数 = {};
    描画なし view;
    const int cycle[4][4] = {{5, 9, 5, 8}, {5, 1, 5, 2}, {5, 8, 5, 9}, {5, 2, 5, 1}};
    for (int i = 0; i < n; ++i) {
        const auto& m = cycle[i % 4];
        const int piece = i % 2 == 0 ? -王 : 王;
        手順保存(g.手順, g.盤面, g.進行.数, 0, 0, 0, 0);
        駒移動(g.盤面, g.進行.番, view, m[0], m[1], m[2], m[3], piece);
        ++g.進行.数.手順番号;
    }
    手順保存(g.手順, g.盤面, g.進行.数, 0, 0, 0, 0);
    g.進行.数.手順番号 = g.進行.数.手数 = 0;
    app.対局().手順へ移る(at);
}

std::unique_ptr<窓アプリ> 見せた窓() {
    auto app = std::make_unique<窓アプリ>(1.0, std::filesystem::temp_directory_path(),
                                          std::make_unique<window::無音ライブラリ>());
    app->開始();
    return app;
}

// One 進 and one 戻 through the menu, the list and graph brought in step after each.
void 一手進めて戻す(benchmark::State& state) {
    auto app = 見せた窓();
    長い棋譜を置く(*app, 300, 150);
    app->対局().メニュー選択(メニュー操作::KIFULIST);
    app->対局().メニュー選択(メニュー操作::KEISEI);
    for (auto _ : state) {
        app->対局().メニュー選択(メニュー操作::AFTER);
        app->対局().メニュー選択(メニュー操作::REPLAY);
    }
    state.SetLabel("two steps an iteration");
    app->対局().メニュー選択(メニュー操作::KIFULIST);
}
BENCHMARK(一手進めて戻す)->Unit(benchmark::kMillisecond);

// Every row of the table written anew: the rows of the record and the same rows numbered on.
void 表を書く(benchmark::State& state) {
    auto app = 見せた窓();
    長い棋譜を置く(*app, 300, 0);
    const ゲーム状態& g = app->対局().状態;
    棋譜の行一覧 a = 棋譜行を作る(g.手順, g.盤面, g.進行), b = a;
    for (棋譜行& row : b.行) row.手数 += 1000;
    bool odd = false;
    for (auto _ : state) app->窓().側板().行を映す((odd = !odd) ? a : b);
}
BENCHMARK(表を書く)->Unit(benchmark::kMillisecond);

}  // namespace
