// Record, option, help and version commands: the game's side of the other subsystems.
#include <filesystem>

#include "flow/game.h"
#include "help/help_page.h"
#include "own_format/record_reader.h"
#include "panel/last_game.h"
#include "panel/other_formats.h"
#include "panel/panel_commands.h"
#include "panel/record_header.h"
#include "panel/record_save.h"
#include "settings/option_commands.h"
#include "settings/settings_file.h"

namespace yukora {

void ゲーム::KIFU_READ_Click() { yukora::KIFU_READ_Click(窓口_.panel); }

void ゲーム::KIFU_WRITE_Click() { yukora::KIFU_WRITE_Click(窓口_.panel, 窓口_.dialog, 状態.進行); }

void ゲーム::KIF_WRITE_Click() {
    yukora::KIF_WRITE_Click(窓口_.panel);
    // An engine game's record names its engines (先手 in Text3, 後手 in Text4).
    if (!エンジン対局中()) return;
    for (const bool 下側 : {true, false}) {
        const エンジン対局の側& side = 下側 ? エンジン_->下 : エンジン_->上;
        const 棋譜欄 box = エンジン_->側の番(下側) == 先手 ? 棋譜欄::Text3 : 棋譜欄::Text4;
        if (side.者 != 指す者::人 && 窓口_.panel.文字列(box).empty())
            窓口_.panel.文字列設定(box, side.者 == 指す者::COM ? "COM" : side.名前);
    }
}

// A name ending in ".kif", ".kifu", ".ki2", ".ki2u" or ".csa" saves in that format; else the
// format chosen beside the name ("KIF･CSA書込") does, and any other name is a ".棋譜" file.
void ゲーム::Command1_Click() {
    const std::string name = 窓口_.panel.文字列(棋譜欄::Text1);
    const std::filesystem::path folder = 窓口_.panel.File1フォルダ();
    const 棋譜形式 f = 他形式の名前か(name) ? 拡張子の形式(name) : 窓口_.panel.選んだ形式();
    if (f != 棋譜形式::不明) {
        if (他形式で保存(状態.手順, 状態.盤面, 状態.進行, f, 窓口_.panel, 窓口_.dialog,
                         エンジン対局の終局(), 注釈_ ? &*注釈_ : nullptr))
            保存した((folder / 拡張子を付ける(name, f)).string(), 今の記録().記録);
        return;
    }
    // "KIF･CSA書込" opens the panel for games that ".棋譜" does not hold.
    if (棋譜書込を断る(窓口_.dialog, 状態.進行)) return;
    if (yukora::Command1_Click(状態.手順, 状態.進行, 窓口_.panel, 窓口_.dialog))
        保存した((folder / (name + 棋譜拡張子)).string(), 今の記録().記録);
}

// A name ending in ".kif", ".kifu", ".ki2", ".ki2u" or ".csa" is read in that format; any
// other is a ".棋譜" file.
void ゲーム::File1_Click(const std::string& name) {
    ヒント枠を消す();
    描画_可視(窓口_.panel, false, false, false);
    const std::string folder = 窓口_.panel.File1フォルダ();
    対局記録 kept;
    const 棋譜読込結果 r = 他形式の名前か(name) ? 読込_他形式(folder, name, 状態.手順, &kept)
                                                : 読込_棋譜(folder, name, 状態.手順);
    if (読んだ棋譜を置く(r, false, std::move(kept)))
        最近に加える((std::filesystem::path(folder) / name).string());
}

// What was read is a new game in record mode, to be stepped through with "進" (or shown at
// its last move): the title printed below the board, the top player's name above it and the
// bottom player's below.
bool ゲーム::読んだ棋譜を置く(const 棋譜読込結果& r, bool 終わりへ, std::optional<対局記録> 記録) {
    進行状態& s = 状態.進行;
    if (r.新しい対局) {
        エンジン対局を片付ける();
        初期設定();
        s.番.棋譜モード = 1;
        // The record is shown with 先手 at the bottom: a game continued from it plays so.
        if (r.先手が下) s.番.MAN番 = 先手, s.番.COM番 = 後手;
        開始を盤に(状態.手順, 状態.盤面, s.番, 表示_);
        見出しを印字(窓口_.screen, r.見出し);
        s.数.手順番号 = 0;
        s.数.手数 = 0;
        s.数.手順最終 = r.項目数;
        if (r.見出し.size() == 3) 見出し_ = {r.見出し[0], r.見出し[2], r.見出し[1]};
        if (終わりへ) {
            s.番.手番 = r.手番;
            終わりへ進める();
        }
        記録の終局_ = r.終局の語;
        注釈_ = std::move(記録);
    }
    // The tint of the position shown, before the boxes that wait over it.
    勢力表示を合わせる();
    for (const std::string& text : r.知らせ) 窓口_.dialog.メッセージ(text, "棋譜");
    if (r.新しい対局 && !終わりへ) s.番.手番 = r.手番;
    棋譜リストを合わせる();
    if (!r.新しい対局) return false;
    保存済み_ = 対局の手順(今の記録().記録);
    return r.手番 != 0;
}

int ゲーム::Drive1_Change(bool readable) { return yukora::Drive1_Change(窓口_.dialog, readable); }

void ゲーム::オプション印を映す() {
    メニュー& menu = 窓口_.menu;
    const オプション印& 印 = 状態.設定.印;
    menu.印設定(メニュー操作::MIDORI, 印.MIDORI);
    menu.印設定(メニュー操作::TATAMI, 印.TATAMI);
    menu.印設定(メニュー操作::TAKE, 印.TAKE);
    menu.印設定(メニュー操作::UCHU, 印.UCHU);
    menu.印設定(メニュー操作::RENGA, 印.RENGA);
    menu.印設定(メニュー操作::SIDOU, 印.SIDOU);
    menu.印設定(メニュー操作::KEIKA, 印.KEIKA);
    menu.印設定(メニュー操作::BGM, 印.BGM);
    menu.印設定(メニュー操作::SEIRYOKU, 印.SEIRYOKU);
    menu.印設定(メニュー操作::KIFULIST, 印.KIFULIST);
    for (const auto& [item, 倍率] : 倍率項目一覧) menu.印設定(item, 印.表示倍率 == 倍率);
}

void ゲーム::背景_Click(int n) {
    const std::string folder = 設定フォルダ();
    int& 背景 = 表示_.状態.背景画番号;
    switch (n) {
        case 背景_緑: MIDORI_Click(状態.設定, 背景, 表示_, folder); break;
        case 背景_畳: TATAMI_Click(状態.設定, 背景, 表示_, folder); break;
        case 背景_竹: TAKE_Click(状態.設定, 背景, 表示_, folder); break;
        case 背景_宇宙: UCHU_Click(状態.設定, 背景, 表示_, folder); break;
        case 背景_煉瓦: RENGA_Click(状態.設定, 背景, 表示_, folder); break;
        default: return;
    }
    オプション印を映す();
}

void ゲーム::SIDOU_Click() {
    yukora::SIDOU_Click(状態.設定, 表示_, 設定フォルダ());
    オプション印を映す();
}

void ゲーム::BGM_Click() {
    yukora::BGM_Click(状態.設定, *this, 設定フォルダ());
    オプション印を映す();
}

void ゲーム::SEIRYOKU_Click() {
    yukora::SEIRYOKU_Click(状態.設定, 設定フォルダ());
    オプション印を映す();
    勢力表示を合わせる();
}

void ゲーム::表示倍率_Click(int 倍率) {
    // Without a window that zooms the choice is still kept in the file.
    class 倍率なし final : public 表示倍率の窓 {
        void 表示倍率設定(int) override {}
        int 初回の表示倍率() const override { return 表示倍率_既定; }
    } none;
    yukora::表示倍率_Click(状態.設定, 倍率, 窓口_.倍率 ? *窓口_.倍率 : none, 設定フォルダ());
    オプション印を映す();
}

void ゲーム::KAISETU_Click() { yukora::KAISETU_Click(窓口_.browser, 窓口_.dialog, 起動フォルダ_); }

void ゲーム::VER_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    効果音(音::その他);
    if (窓口_.version.表示()) ホームページ表示(窓口_.browser, 窓口_.dialog, 起動フォルダ_);
}

}  // namespace yukora
