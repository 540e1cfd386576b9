// Record, option, help and version commands: the game's side of the other subsystems.
#include "flow/game.h"
#include "help/help_page.h"
#include "record/panel_commands.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "settings/option_commands.h"
#include "settings/settings_file.h"

namespace yukora {

void ゲーム::KIFU_READ_Click() { yukora::KIFU_READ_Click(窓口_.panel); }

void ゲーム::KIFU_WRITE_Click() { yukora::KIFU_WRITE_Click(窓口_.panel, 窓口_.dialog, 状態.進行); }

void ゲーム::Command1_Click() {
    yukora::Command1_Click(状態.手順, 状態.進行, 窓口_.panel, 窓口_.dialog);
}

void ゲーム::File1_Click(const std::string& name) {
    ヒント枠を消す();
    yukora::File1_Click(name, 状態.盤面, 状態.進行, 状態.手順, 窓口_.timer, 表示_, 窓口_.screen,
                        窓口_.panel, 窓口_.dialog);
    勢力表示を合わせる();
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

void ゲーム::KAISETU_Click() { yukora::KAISETU_Click(窓口_.browser, 窓口_.dialog, 起動フォルダ_); }

void ゲーム::VER_Click() {
    棋譜パネル_閉じる(窓口_.panel);
    効果音(音::その他);
    if (窓口_.version.表示()) ホームページ表示(窓口_.browser, 窓口_.dialog, 起動フォルダ_);
}

}  // namespace yukora
