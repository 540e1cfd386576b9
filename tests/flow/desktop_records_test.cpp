// Records the desktop way, through the game's own events: the clipboard, a path, the save
// dialog, the recent files and the game kept at the end.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;
using 文字列列 = std::vector<std::string>;

const std::string 二手後 = "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 3\n";
const 文字列列 読めた = {"棋譜:  読み込みました", "棋譜: 棋譜を '進 'で進めて下さい"};

// 7六歩 3四歩 between two people.
void 二手指す(試験台& t) {
    t.game->START_Click();
    t.押す(3, 7);
    t.押す(3, 6);
    t.押す(7, 3);
    t.押す(7, 4);
    t.dialog.表示した.clear();
}

// The SFEN of the board after stepping to the last move of the record loaded, as "ｺﾋﾟｰ" gives it.
std::string 終わりの局面(試験台& t) {
    while (t.st().進行.数.手順番号 < t.st().進行.数.手順最終) t.game->AFTER_Click();
    t.game->COPY_Click(メニュー操作::COPY_SFEN);
    return t.desktop.中身;
}

std::string 中身(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(貼り付け, 各形式を読み壊れた文字と空のクリップボードは断る) {
    const struct {
        const char* 名;
        std::string 文字;
        文字列列 箱;
        std::string 局面;  // after the last move read; empty: the game stays as it was
    } rows[] = {
        {"KIF",
         "手合割：平手\n先手：甲\n後手：乙\n手数----指手---------消費時間--\n   1 ７六歩(77)\n"
         "   2 ３四歩(33)\n",
         読めた, 二手後},
        {"CSA", "V2.2\nPI\n+\n+7776FU\n-3334FU\n", 読めた, 二手後},
        {"USI", "position startpos moves 7g7f 3c3d\n", 読めた, 二手後},
        {"SFEN", "sfen " + 二手後, 読めた,
         "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1\n"},
        {"USIの指せない手",
         "position startpos moves 7g7f 3c3e",
         {"棋譜: 1手まで読み込みました\n\n2手目が読めないか指せない手です", 読めた[1]},
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2\n"},
        {"壊れたSFEN", "lnsgkgsnl/9/9/9/9/9/9/9/9 b - 1", {"棋譜: 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}, ""},
        {"棋譜でない文", "今日は良い天気です\n", {"棋譜: 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}, ""},
        {"空", " \n", {"棋譜: ｸﾘｯﾌﾟﾎﾞｰﾄﾞに棋譜がありません"}, ""},
    };
    for (const auto& r : rows) {
        試験台 t;
        t.desktop.中身 = r.文字;
        t.game->メニュー選択(メニュー操作::PASTE);
        EXPECT_EQ(t.dialog.表示した, r.箱) << r.名;
        EXPECT_EQ(t.st().進行.番.棋譜モード, r.局面.empty() ? 0 : 1) << r.名;
        if (!r.局面.empty()) EXPECT_EQ(終わりの局面(t), r.局面) << r.名;
    }
}

TEST(コピー, 指した対局を写して貼り付けると同じ手順になる) {
    const std::string 始めから = 二手後.substr(0, 二手後.size() - 2) + "1\n";
    const struct {
        メニュー操作 item;
        std::string 文字;  // the exact text; empty: only the round trip is checked
        std::string 局面;  // pasted back, at its last move
    } rows[] = {
        {メニュー操作::COPY_KIF, "", 二手後},
        {メニュー操作::COPY_CSA, "", 二手後},
        {メニュー操作::COPY_KI2, "", 二手後},
        {メニュー操作::COPY_USI, "position startpos moves 7g7f 3c3d\n", 二手後},
        {メニュー操作::COPY_SFEN, 二手後, 始めから},  // a position: no moves to step through
    };
    for (const auto& r : rows) {
        試験台 t;
        二手指す(t);
        t.game->メニュー選択(r.item);
        if (!r.文字.empty()) EXPECT_EQ(t.desktop.中身, r.文字) << 操作名(r.item);
        t.game->メニュー選択(メニュー操作::PASTE);
        EXPECT_EQ(t.dialog.表示した, 読めた) << 操作名(r.item);
        EXPECT_EQ(終わりの局面(t), r.局面) << 操作名(r.item);
    }
}

TEST(名前を付けて保存, 選んだ形式で書き棋譜形式は反転後に断る) {
    試験台 t;
    t.game->KIFU_SAVE_AS_Click();
    EXPECT_EQ(t.dialog.表示した, 文字列列{"棋譜保存: 保存するデータがありません"});
    EXPECT_EQ(t.desktop.保存を聞いた回数, 0);
    二手指す(t);
    const std::string path = (t.フォルダ / "対局.csa").string();
    t.desktop.保存答え = 保存先{path, 棋譜形式::CSA};
    t.game->KIFU_SAVE_AS_Click();
    EXPECT_EQ(t.dialog.表示した, 文字列列{"  : 棋譜を書き込みました"});
    EXPECT_EQ(中身(path).substr(0, 6), "V2.2\r\n");
    EXPECT_NE(中身(path).find("-3334FU\r\n"), std::string::npos) << 中身(path);
    EXPECT_EQ(t.menu.最近, 文字列列{path});
    t.game->メニュー選択(メニュー操作::REVERSE);
    t.dialog.表示した.clear();
    t.desktop.保存答え = 保存先{(t.フォルダ / "x.棋譜").string(), 棋譜形式::棋譜};
    t.game->KIFU_SAVE_AS_Click();
    EXPECT_EQ(t.dialog.表示した, 文字列列{"棋譜書込: 反転後は書き込みできません"});
    EXPECT_FALSE(std::filesystem::exists(t.フォルダ / "x.棋譜"));
}

TEST(最近のファイル, 新しい十件を覚え消えたファイルは選ぶと外す) {
    試験台 t;
    文字列列 paths;
    for (int i = 0; i < 11; ++i) {
        paths.push_back((t.フォルダ / ("g" + std::to_string(i) + ".csa")).string());
        std::ofstream(paths.back()) << "V2.2\nPI\n+\n+7776FU\n";
        t.game->ファイルを開く(paths.back());
    }
    const 文字列列 newest(paths.rbegin(), paths.rbegin() + 10);
    EXPECT_EQ(t.menu.最近, newest);
    std::filesystem::remove(paths[9]);
    t.dialog.表示した.clear();
    t.game->最近のファイルを開く(1);
    EXPECT_EQ(t.dialog.表示した, 文字列列{"最近のﾌｧｲﾙ: 棋譜ﾌｧｲﾙが見つかりません\n\n" + paths[9] +
                                          "\n\n最近のﾌｧｲﾙから外しました"});
    t.game->最近のファイルを開く(0);
    EXPECT_EQ(t.dialog.最後(), 読めた[1]);
    // The list is kept in the settings folder for the next start.
    t.game =
        std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu, t.panel,
                                              t.音, t.browser, t.version, nullptr, 0});
    t.game->Form_Load(t.フォルダ);
    EXPECT_EQ(t.menu.最近.size(), 9u);
    EXPECT_EQ(t.menu.最近.front(), paths[10]);
}

// Every way of ending keeps a game that was not saved; a saved or loaded game, or a board
// without a move, leaves nothing. The game kept reopens at its last move.
TEST(前回の対局, どの終わり方でも保存していない対局を残し前回の対局で開く) {
    const std::pair<const char*, std::function<void(ゲーム&)>> ways[] = {
        {"Esc", [](ゲーム& g) { g.キー押下(キー_Esc); }},
        {"終わり", [](ゲーム& g) { g.メニュー選択(メニュー操作::OWARI); }},
        {"閉じる", [](ゲーム& g) { g.閉じる(); }},
        {"ログアウト", [](ゲーム& g) { g.セッション終了(); }},
    };
    const struct {
        const char* 名;
        std::function<void(試験台&)> 対局;
        bool 残す;
    } games[] = {
        {"指したまま", 二手指す, true},
        {"指していない", [](試験台&) {}, false},
        {"保存した",
         [](試験台& t) {
             二手指す(t);
             t.desktop.保存答え = 保存先{(t.フォルダ / "a.kif").string(), 棋譜形式::KIF};
             t.game->KIFU_SAVE_AS_Click();
         },
         false},
        {"保存した後に指した",
         [](試験台& t) {
             t.game->START_Click();
             t.押す(3, 7);
             t.押す(3, 6);
             t.desktop.保存答え = 保存先{(t.フォルダ / "a.kif").string(), 棋譜形式::KIF};
             t.game->KIFU_SAVE_AS_Click();
             t.押す(7, 3);
             t.押す(7, 4);
         },
         true},
        {"貼り付けて読んだ",
         [](試験台& t) {
             t.desktop.中身 = "position startpos moves 7g7f 3c3d";
             t.game->PASTE_Click();
         },
         false},
    };
    for (const auto& [way, end] : ways) {
        for (const auto& g : games) {
            試験台 t;
            g.対局(t);
            end(*t.game);
            const auto file = t.フォルダ / "last-game.kif";
            ASSERT_EQ(std::filesystem::exists(file), g.残す) << way << " " << g.名;
            if (!g.残す) continue;
            試験台 next;
            std::filesystem::copy_file(file, next.フォルダ / "last-game.kif");
            next.game->メニュー選択(メニュー操作::LAST_GAME);
            EXPECT_EQ(next.dialog.表示した, 文字列列{読めた[0]}) << way << " " << g.名;
            EXPECT_EQ(next.st().進行.数.手数, 2) << way << " " << g.名;
            next.game->COPY_Click(メニュー操作::COPY_SFEN);
            EXPECT_EQ(next.desktop.中身, 二手後) << way << " " << g.名;
        }
    }
}

TEST(前回の対局, 無ければそう言う) {
    試験台 t;
    t.game->LAST_GAME_Click();
    EXPECT_EQ(t.dialog.表示した, 文字列列{"前回の対局: 前回の対局はありません"});
}

}  // namespace
}  // namespace yukora
