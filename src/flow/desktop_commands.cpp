// Records the desktop way: a path from the command line or a drop, the file dialogs, the
// recent files, the clipboard, and the game kept when the program ends.
#include <filesystem>

#include "display/move_caption.h"
#include "flow/game.h"
#include "formats/game_end.h"
#include "formats/game_record.h"
#include "formats/pasted_text.h"
#include "formats/record_notes.h"
#include "game/palette.h"
#include "panel/last_game.h"
#include "panel/open_record.h"
#include "panel/panel_commands.h"
#include "panel/save_as.h"
#include "settings/recent_files.h"

namespace yukora {
namespace {

namespace fs = std::filesystem;

std::string 絶対パス(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::absolute(path, ec);
    return (ec ? fs::path(path) : p).lexically_normal().string();
}

写し形式 写しの形式(メニュー操作 item) {
    switch (item) {
        case メニュー操作::COPY_CSA: return 写し形式::CSA;
        case メニュー操作::COPY_KI2: return 写し形式::KI2;
        case メニュー操作::COPY_USI: return 写し形式::USI;
        default: return 写し形式::KIF;
    }
}

}  // namespace

// A record loaded is laid out with 先手 at the bottom, whatever side the last game gave the
// bottom player.
int ゲーム::下の側() const { return 状態.進行.番.棋譜モード == 1 ? 先手 : 状態.進行.番.MAN番; }

読込結果 ゲーム::今の記録() const {
    進行状態 s = 状態.進行;
    s.番.MAN番 = 下の側();
    s.番.COM番 = -s.番.MAN番;
    読込結果 r = 対局を記録に(状態.手順, 状態.盤面, s, 見出し_, "",
                              エンジン対局の終局().value_or(終局を調べる(状態.盤面, 状態.進行)));
    if (注釈_) 注釈を写す(*注釈_, r.記録);
    return r;
}

void ゲーム::最近に加える(const std::string& path) {
    最近_->加える(絶対パス(path));
    窓口_.menu.最近のファイル設定(最近_->一覧());
}

void ゲーム::保存した(const std::string& path, const 対局記録& r) {
    最近に加える(path);
    保存済み_ = 対局の手順(r);
}

std::string ゲーム::最近のフォルダ() const {
    return 最近_->一覧().empty() ? std::string()
                                 : fs::path(最近_->一覧().front()).parent_path().string();
}

void ゲーム::ファイルを開く(const std::string& path) {
    サウンド準備();
    ヒント枠を消す();
    棋譜パネル_閉じる(窓口_.panel);
    対局記録 kept;
    const 棋譜読込結果 r = パスの棋譜を読む(path, 状態.手順, &kept);
    if (読んだ棋譜を置く(r, false, std::move(kept))) 最近に加える(path);
}

// A record that is gone leaves the list, with a word; the others open as any path does.
void ゲーム::最近のファイルを開く(int index) {
    サウンド準備();
    ヒント枠を消す();
    const std::vector<std::string>& list = 最近_->一覧();
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    const std::string path = list[static_cast<size_t>(index)];
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        最近_->外す(path);
        窓口_.menu.最近のファイル設定(最近_->一覧());
        窓口_.dialog.メッセージ(
            "棋譜ﾌｧｲﾙが見つかりません\n\n" + path + "\n\n最近のﾌｧｲﾙから外しました", "最近のﾌｧｲﾙ");
        return;
    }
    ファイルを開く(path);
}

void ゲーム::KIFU_OPEN_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    if (窓口_.desktop == nullptr) return;
    if (const auto path = 窓口_.desktop->開くファイルを選ぶ(最近のフォルダ()))
        ファイルを開く(*path);
}

void ゲーム::KIFU_SAVE_AS_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    if (窓口_.desktop == nullptr) return;
    const 読込結果 game = 今の記録();
    if (const std::string why = 保存できない理由(game); !why.empty()) {
        窓口_.dialog.メッセージ(why, "棋譜保存");
        return;
    }
    const auto to = 窓口_.desktop->保存するファイルを選ぶ(最近のフォルダ());
    if (to && 名前を付けて保存(game.記録, 状態.進行, to->パス, to->形式, 窓口_.dialog))
        保存した(to->パス, game.記録);
}

void ゲーム::COPY_Click(メニュー操作 item) {
    if (窓口_.desktop == nullptr) return;
    const 進行状態& s = 状態.進行;
    if (item == メニュー操作::COPY_SFEN) {
        窓口_.desktop->クリップボードに置く(盤面のSFEN(状態.盤面, 下の側(), s.番.手番, s.数.手数) +
                                            "\n");
        return;
    }
    const 読込結果 game = 今の記録();
    const 写しの文字 text = 記録の写し(game.記録, 写しの形式(item));
    if (game.エラー || !text.理由.empty()) {
        const int n = game.エラー ? game.エラー->手数 : static_cast<int>(game.記録.手.size());
        窓口_.dialog.メッセージ(std::to_string(n) + "手目を記録にできません", "ｺﾋﾟｰ");
        return;
    }
    窓口_.desktop->クリップボードに置く(text.文字);
}

void ゲーム::PASTE_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    if (窓口_.desktop == nullptr) return;
    対局記録 kept;
    const 棋譜読込結果 r = 貼り付けの棋譜を読む(窓口_.desktop->クリップボード(), 状態.手順, &kept);
    読んだ棋譜を置く(r, false, std::move(kept));
}

// The last game opens at its last move: it goes on from where it stood with "対局".
void ゲーム::LAST_GAME_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    const fs::path path = 利用者データ_ / 前回の対局の名前;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        窓口_.dialog.メッセージ("前回の対局はありません", "前回の対局");
        return;
    }
    対局記録 kept;  // its comments, shown and kept as a loaded record's
    棋譜読込結果 r = パスの棋譜を読む(path.string(), 状態.手順, &kept);
    // Only how reading went: there is nothing to step forward to.
    if (r.新しい対局 && r.知らせ.size() > 1) r.知らせ.resize(1);
    読んだ棋譜を置く(r, true, std::move(kept));
}

void ゲーム::終わりへ進める() {
    進行状態& s = 状態.進行;
    const int last = s.数.手順最終;
    if (last < 1) return;
    s.数.手順番号 = last;
    s.数.手数 = last;
    if (last % 2 == 1) s.番.手番 = -s.番.手番;
    局面を項目から戻す(last);
    const 移動結果 r = 調査_移動結果(状態.手順, last);
    if (r.見つかった)
        描画_移動結果(表示_, s.番, r.駒 > 0 ? s.番.COM番 : s.番.MAN番, r.x, r.y, r.駒, 色_白);
    表示_.描画_手数(s.数.手数, 色_白);
}

void ゲーム::セッション終了() { 前回の対局を残す(); }

// Nothing is said: the program is ending. A failed write leaves the last file as it was.
void ゲーム::前回の対局を残す() {
    const 読込結果 game = 今の記録();
    const auto bytes = 残す対局(game, 保存済み_);
    if (bytes && 前回の対局を書く(利用者データ_, *bytes) == 0) 保存済み_ = 対局の手順(game.記録);
}

}  // namespace yukora
