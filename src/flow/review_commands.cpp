// The move list and the evaluation graph beside the board: showing them and moving by them,
// and the comments of a loaded record under the list.
#include <algorithm>

#include "flow/game.h"
#include "formats/record_notes.h"
#include "review/listed_positions.h"
#include "settings/option_commands.h"

namespace yukora {
namespace {

std::string 行をつなぐ(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

std::vector<std::string> 行に分ける(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (!text.empty() && from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        from = end + 1;
    }
    return lines;
}

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
    注釈を合わせる();
    for (int i = 1; i <= 注釈の手数_ && i < static_cast<int>(rows.行.size()); ++i)
        rows.行[i].変化 = !注釈_->手[static_cast<std::size_t>(i - 1)].変化.empty();
    コメントを合わせる();
    変化を合わせる(rows);
    if (rows == 映した行_) return;
    映した行_ = std::move(rows);
    w->行を映す(映した行_);
}

std::vector<std::string>* ゲーム::表示中のコメント() {
    const int i = 状態.進行.数.手順番号;
    if (!注釈_ || i < 0 || i > 注釈の手数_) return nullptr;
    return i == 0 ? &注釈_->開始のコメント : &注釈_->手[static_cast<std::size_t>(i - 1)].コメント;
}

void ゲーム::コメントを合わせる() {
    const std::vector<std::string>* lines = 表示中のコメント();
    const 映したコメント shown{注釈_.has_value(), lines != nullptr,
                               lines ? 行をつなぐ(*lines) : ""};
    if (映したコメント_ == shown) return;
    映したコメント_ = shown;
    窓口_.棋譜リスト->コメントを映す(shown.ある, shown.書ける, shown.文字);
}

void ゲーム::コメント編集(const std::string& text) {
    std::vector<std::string>* lines = 表示中のコメント();
    if (lines == nullptr) return;
    *lines = 行に分ける(text);
    映したコメント_ = 映したコメント{true, true, 行をつなぐ(*lines)};
}

}  // namespace yukora
