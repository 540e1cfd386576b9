#include "panel/panel_commands.h"

#include <filesystem>
#include <system_error>

namespace yukora {

void 描画_可視(棋譜パネル& panel, bool drive, bool folder, bool files) {
    panel.可視_Drive1(drive);
    panel.可視_Dir1(folder);
    panel.可視_File1(files);
}

void 描画_棋譜_IO(棋譜パネル& panel, int mode) {
    panel.可視_形式(false);  // "KIF･CSA書込" shows it after this
    if (mode == 0) {
        panel.可視_入力欄(true);
        return;
    }
    for (const 棋譜欄 box : {棋譜欄::Text1, 棋譜欄::Text2, 棋譜欄::Text3, 棋譜欄::Text4})
        panel.文字列設定(box, "");
    panel.可視_入力欄(false);
}

void 棋譜パネル_閉じる(棋譜パネル& panel) {
    描画_可視(panel, false, false, false);
    描画_棋譜_IO(panel, 1);
}

void KIFU_READ_Click(棋譜パネル& panel) {
    描画_可視(panel, true, true, true);
    描画_棋譜_IO(panel, 1);
}

bool 棋譜書込を断る(ダイアログ& dialog, const 進行状態& s) {
    if (s.番.反転済 == 1) {
        dialog.メッセージ("反転後は書き込みできません", "棋譜書込");
        return true;
    }
    if (s.強さ.ハンデ設定済 == 1) {
        dialog.メッセージ("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
        return true;
    }
    return false;
}

void KIFU_WRITE_Click(棋譜パネル& panel, ダイアログ& dialog, const 進行状態& s) {
    if (棋譜書込を断る(dialog, s)) return;
    描画_可視(panel, true, true, false);
    描画_棋譜_IO(panel, 0);
}

int Drive1_Change(ダイアログ& dialog, bool 読める) {
    if (読める) return 1;
    dialog.メッセージ("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
    return 0;
}

bool フォルダ読取可(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    return !ec;
}

void 描画_メッセージ(ダイアログ& dialog, int reason) {
    const char* 理由 = reason == 1   ? "棋譜ﾓｰﾄﾞではできません"
                       : reason == 2 ? "対局途中ではできません"
                       : reason == 3 ? "反転後ではできません"
                                     : "";
    // The two carriage returns of the box are line breaks.
    dialog.メッセージ(std::string(理由) + "\n\n局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

}  // namespace yukora
