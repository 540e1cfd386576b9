// The move list and the evaluation graph beside the board: showing them and moving by them.
#include "flow/game.h"
#include "review/listed_positions.h"
#include "settings/option_commands.h"

namespace yukora {
namespace {

// A move after which the mover's score fell by more than this is marked in the list.
constexpr int 崩れの閾値 = 300;

}  // namespace

void ゲーム::KIFULIST_Click() {
    yukora::KIFULIST_Click(状態.設定, 設定フォルダ());
    オプション印を映す();
}

void ゲーム::KEISEI_Click() {
    形勢表示_ = !形勢表示_;
    窓口_.menu.印設定(メニュー操作::KEISEI, 形勢表示_);
}

void ゲーム::手順選択(int 行) {
    サウンド準備();
    ヒント枠を消す();
    手順へ移る(行);
    勢力表示を合わせる();
    棋譜リストを合わせる();
}

bool ゲーム::棋譜リストのキー(int code) {
    const bool ours = code == キー_左 || code == キー_右 || code == キー_Home || code == キー_End;
    if (!状態.設定.印.KIFULIST || !ours) return false;
    ヒント枠を消す();
    switch (code) {
        case キー_左: REPLAY_Click(); break;
        case キー_右: AFTER_Click(); break;
        case キー_Home: 手順へ移る(0); break;
        default: 手順へ移る(最後の局面(状態.進行.数)); break;
    }
    return true;
}

void ゲーム::棋譜リストを合わせる() {
    棋譜リストの窓* w = 窓口_.棋譜リスト;
    if (w == nullptr) return;
    const bool on = 状態.設定.印.KIFULIST;
    if (on != 映したリスト_) w->棋譜リスト表示(映したリスト_ = on);
    検討を合わせる();
    std::vector<形勢点> points;
    if (形勢表示_) points = 解析の点();
    if (形勢表示_ && points.empty()) points = 駒割りの形勢(状態.手順, 状態.盤面, 状態.進行);
    const int 表示中 = 状態.進行.数.手順番号;
    if (points != 映した点_ || (!points.empty() && 表示中 != 映した表示中_)) {
        映した点_ = points;
        映した表示中_ = 表示中;
        w->形勢を映す(points, 表示中);
    }
    if (!on) return;
    棋譜の行一覧 rows = 棋譜行を作る(状態.手順, 状態.盤面, 状態.進行);
    崩れた手に印(rows, points, 崩れの閾値);
    if (rows == 映した行_) return;
    映した行_ = std::move(rows);
    w->行を映す(映した行_);
}

}  // namespace yukora
