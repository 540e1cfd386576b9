// The lines of play of a loaded record: kept beside the game as it goes on, and another one
// chosen to replay.
#include "flow/game.h"
#include "formats/branch_choice.h"
#include "formats/record_notes.h"
#include "panel/last_game.h"
#include "panel/other_formats.h"

namespace yukora {

void ゲーム::注釈を合わせる() {
    注釈の手数_ = 0;
    if (!注釈_) return;
    読込結果 game = 今の記録();  // the kept notes already copied on
    const int same = 同じ手の数(*注釈_, game.記録);
    注釈の手数_ = same;
    // The game ends inside the record: the rest of the record stays as it was.
    if (same == static_cast<int>(game.記録.手.size())) return;
    game.記録.見出し = std::move(注釈_->見出し);
    注釈_ = std::move(game.記録);
    注釈の手数_ = static_cast<int>(注釈_->手.size());
}

void ゲーム::変化を合わせる(const 棋譜の行一覧& rows) {
    const int i = rows.表示中;
    std::vector<std::string> moves;
    if (i >= 1 && i < static_cast<int>(rows.行.size()) && rows.行[i].変化)
        moves = 変化の候補(*注釈_, i);
    if (moves == 映した候補_) return;
    映した候補_ = moves;
    窓口_.棋譜リスト->変化を映す(moves);
}

// The record is read again with the chosen line as its main line, at the same move; a record
// that was saved stays saved, as nothing new was played.
void ゲーム::変化選択(int k) {
    const int N = 状態.進行.数.手順番号;
    注釈を合わせる();
    if (N < 1 || N > 注釈の手数_) return;
    読込結果 game = 今の記録();
    const bool saved = 保存済み_ == 対局の手順(game.記録);
    if (!変化を本線に(game.記録, N, k)) return;
    const std::string 保存済み = 保存済み_;
    対局記録 kept;
    棋譜読込結果 r = 読んだ記録を手順に(std::move(game), 状態.手順, &kept);
    r.知らせ.clear();
    読んだ棋譜を置く(r, false, std::move(kept));
    if (!saved) 保存済み_ = 保存済み;
    手順選択(N);
}

}  // namespace yukora
