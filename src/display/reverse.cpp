#include "display/reverse.h"

#include "rules/turn_round.h"

namespace yukora {

void REVERSE_Click(局面& p, 進行状態& s, 表示& view, ダイアログ& dialog, 効果音& sound) {
    if (s.番.棋譜モード == 1) {
        sound.鳴らす(音::禁止);
        dialog.メッセージ("棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    s.番.反転済 = 1;
    s.選択.選択状態 = 0;
    局面反転(p);
    view.画面_再描画();
    view.描画_手数(s.数.手数);
    if (s.強さ.ハンデ設定済 == 1) {
        s.強さ.ハンデレベル = -s.強さ.ハンデレベル;
        view.描画_ハンデレベル(s.強さ.ハンデレベル);
    }
    sound.鳴らす(音::駒打);
    s.番.手番 = -s.番.手番;
    s.数.手順番号 = 0;
    s.数.手順最終 = 0;
}

}  // namespace yukora
