#include "window/menu_table.h"

#include <array>

namespace yukora::window {
namespace {

using enum メニュー操作;

constexpr std::array<メニュー項目, 70> 表{{
    {TAIKYOKU, "対局", std::nullopt, true, false, false},
    {MATCH_MAN, "対局(人間)", TAIKYOKU, true, false, false},
    {START, "スタート", MATCH_MAN, false, false, false},
    {START2, "対局(COM)", TAIKYOKU, true, false, false},
    {SENTE, "先手", START2, false, false, false},
    {GOTE, "後手", START2, false, false, false},
    {ENGINE, "対局(ｴﾝｼﾞﾝ)", TAIKYOKU, true, false, false},
    {ENGINE_SENTE, "先手", ENGINE, false, false, false},
    {ENGINE_GOTE, "後手", ENGINE, false, false, false},
    {ENGINE_BOTH, "ｴﾝｼﾞﾝ同士", ENGINE, false, false, false},
    {ENGINE_STOP, "中断", ENGINE, false, false, false},
    {LEVEL, "COM対局ﾚﾍﾞﾙ", TAIKYOKU, true, false, false},
    {LEVEL1, "LEVEL1", LEVEL, false, true, false},
    {LEVEL2, "LEVEL2", LEVEL, false, true, false},
    {LEVEL3, "LEVEL3", LEVEL, false, true, true},
    {TOURYOU, "投了", TAIKYOKU, false, false, false},
    {OWARI, "終わり", TAIKYOKU, false, false, false},
    {STOP, "局面", std::nullopt, true, false, false},
    {CANCEL, "最初", STOP, false, false, false},
    {REVERSE, "反転", STOP, false, false, false},
    {REPLAY, "戻", std::nullopt, false, false, false},
    {AFTER, "進", std::nullopt, false, false, false},
    {LBEL_UP, "△", std::nullopt, false, false, false},
    {LEBEL_DOWN, "▽", std::nullopt, false, false, false},
    {KIFU, "棋譜", std::nullopt, true, false, false},
    {KIFU_READ, "読込", KIFU, false, false, false},
    {KIFU_WRITE, "書込", KIFU, false, false, false},
    {KIF_WRITE, "KIF･CSA書込", KIFU, false, false, false},
    {KIFU_OPEN, "開く…", KIFU, false, false, false},
    {KIFU_SAVE_AS, "名前を付けて保存…", KIFU, false, false, false},
    {RECENT, "最近のﾌｧｲﾙ", KIFU, true, false, false},
    {COPY, "ｺﾋﾟｰ", KIFU, true, false, false},
    {COPY_KIF, "KIF", COPY, false, false, false},
    {COPY_CSA, "CSA", COPY, false, false, false},
    {COPY_KI2, "KI2", COPY, false, false, false},
    {COPY_SFEN, "SFEN", COPY, false, false, false},
    {COPY_USI, "USI", COPY, false, false, false},
    {PASTE, "貼り付け", KIFU, false, false, false},
    {LAST_GAME, "前回の対局", KIFU, false, false, false},
    {OPTION, "ｵﾌﾟｼｮﾝ", std::nullopt, true, false, false},
    {HAIKEI_GA, "背景画", OPTION, true, false, false},
    {MIDORI, "緑", HAIKEI_GA, false, true, false},
    {TATAMI, "畳", HAIKEI_GA, false, true, true},
    {TAKE, "竹", HAIKEI_GA, false, true, false},
    {UCHU, "宇宙", HAIKEI_GA, false, true, false},
    {RENGA, "煉瓦", HAIKEI_GA, false, true, false},
    {SIDOU, "移動指導", OPTION, false, true, false},
    {KEIKA, "経過時間", OPTION, false, true, false},
    {BGM, "BGM", OPTION, false, true, false},
    {SEIRYOKU, "勢力表示", OPTION, false, true, false},
    {KIFULIST, "棋譜ﾘｽﾄ", OPTION, false, true, false},
    {BAIRITU, "表示倍率", OPTION, true, false, false},
    {BAIRITU100, "100%", BAIRITU, false, true, true},
    {BAIRITU125, "125%", BAIRITU, false, true, false},
    {BAIRITU150, "150%", BAIRITU, false, true, false},
    {BAIRITU200, "200%", BAIRITU, false, true, false},
    {BAIRITU250, "250%", BAIRITU, false, true, false},
    {BAIRITU300, "300%", BAIRITU, false, true, false},
    {AWASERU, "ウィンドウに合わせる", BAIRITU, false, true, false},
    {ENGINE_SETUP, "ｴﾝｼﾞﾝ設定…", OPTION, false, false, false},
    {SONOTA, "その他", std::nullopt, true, false, false},
    {KAISETU, "解説", SONOTA, false, false, false},
    {VER, "バージョン情報", SONOTA, false, false, false},
    {HINT, "ヒント", SONOTA, false, false, false},
    {KEISEI, "形勢ｸﾞﾗﾌ", SONOTA, false, true, false},
    {KENTOU, "検討", SONOTA, false, true, false},
    {KENTOU_PV, "検討の候補数", SONOTA, true, false, false},
    {KENTOU_PV1, "1", KENTOU_PV, false, true, true},
    {KENTOU_PV2, "2", KENTOU_PV, false, true, false},
    {KENTOU_PV3, "3", KENTOU_PV, false, true, false},
}};

}  // namespace

std::span<const メニュー項目> メニュー表() { return 表; }

}  // namespace yukora::window
