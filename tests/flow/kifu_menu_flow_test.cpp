// KIF, KIFU and CSA files through the record panel, in the middle of the game's own events.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "flow/flow_fakes.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

void 指す(試験台& t, const std::vector<std::array<int, 4>>& moves) {
    for (const auto& m : moves) {
        t.押す(m[0], m[1]);
        t.押す(m[2], m[3]);
    }
}

// A pawn each, then the bottom bishop takes the top one and promotes (the right button).
void 四手指す(試験台& t) {
    指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}});
    t.押す(2, 8);
    t.押す(8, 2, ボタン_右);
    指す(t, {{7, 1, 8, 2}});
}

// The panel opened by `open`, a file name, "RETURN": the box that answers.
std::string 保存する(試験台& t, void (ゲーム::*open)(), const std::string& name) {
    t.panel.フォルダ = t.フォルダ.string();
    (t.game.get()->*open)();
    t.panel.文字[棋譜欄::Text1] = name;
    t.game->Command1_Click();
    return t.dialog.最後();
}

// "読込" and a click on the file: the boxes it showed.
std::vector<std::string> 読み込む(試験台& t, const std::string& name) {
    t.panel.フォルダ = t.フォルダ.string();
    t.dialog.表示した.clear();
    t.game->KIFU_READ_Click();
    t.game->File1_Click(name);
    return t.dialog.表示した;
}

std::string 中身(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The boards of the game on the board: entries 0..手順最終, then the board itself.
std::vector<盤型> 盤の列(試験台& t) {
    std::vector<盤型> out;
    for (int i = 0; i <= t.st().進行.数.手順最終; ++i) out.push_back(t.st().手順.参照(i).盤);
    out.push_back(t.st().盤面.盤);
    return out;
}

// The board seen from the other side.
盤型 回す(const 盤型& b) {
    盤型 out{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) out[10 - x][10 - y] = static_cast<駒型>(-b[x][y]);
    return out;
}

// Steps through the loaded record with "進" to its end and back with "戻", checking each
// position against `boards`.
void 進めて戻る(試験台& t, const std::vector<盤型>& boards) {
    const int n = static_cast<int>(boards.size()) - 1;
    ASSERT_EQ(t.st().進行.数.手順最終, n);
    EXPECT_EQ(t.st().盤面.盤, boards[0]);
    for (int i = 1; i <= n; ++i) {
        t.game->AFTER_Click();
        EXPECT_EQ(t.st().盤面.盤, boards[static_cast<size_t>(i)]) << "after 進 " << i;
        EXPECT_EQ(t.st().進行.数.手数, i);
    }
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: 終わり");
    for (int i = n - 1; i >= 0; --i) {
        t.game->REPLAY_Click();
        EXPECT_EQ(t.st().盤面.盤, boards[static_cast<size_t>(i)]) << "after 戻 to " << i;
    }
}

TEST(他形式の棋譜, 保存して読み込むと進と戻で同じ局面をたどる) {
    for (const char* name : {"対局.kif", "対局.kifu", "対局.csa", "大文字.KIF"}) {
        SCOPED_TRACE(name);
        試験台 t;
        t.game->START_Click();
        四手指す(t);
        ASSERT_EQ(t.st().盤面.盤[8][2], 銀);  // the silver took the promoted bishop
        t.panel.文字[棋譜欄::Text2] = "練習";
        t.panel.文字[棋譜欄::Text3] = "下の人";
        const std::vector<盤型> boards = 盤の列(t);
        EXPECT_EQ(保存する(t, &ゲーム::KIFU_WRITE_Click, name), "  : 棋譜を書き込みました");
        EXPECT_FALSE(t.panel.入力欄);  // the panel closed
        ASSERT_TRUE(std::filesystem::exists(t.フォルダ / name));
        EXPECT_FALSE(std::filesystem::exists(t.フォルダ / (std::string(name) + ".棋譜")));
        t.game->CANCEL_Click();
        EXPECT_EQ(読み込む(t, name),
                  (std::vector<std::string>{"棋譜:  読み込みました",
                                            "棋譜: 棋譜を '進 'で進めて下さい"}));
        EXPECT_EQ(t.st().進行.番.棋譜モード, 1);
        EXPECT_EQ(t.st().進行.番.手番, 1);
        EXPECT_EQ(t.st().盤面.MAN持駒[6], 0);
        進めて戻る(t, boards);
        t.game->AFTER_Click();
        t.game->AFTER_Click();
        t.game->AFTER_Click();
        EXPECT_EQ(t.st().盤面.MAN持駒[6], 1);  // the bishop taken on move 3
        bool named = false;                    // the bottom player's name printed below the board
        for (const std::string& c : t.screen.絞込("文字 ")) named = named || c.ends_with(" 下の人");
        EXPECT_TRUE(named);
    }
}

TEST(他形式の棋譜, 棋譜ファイルが断る駒落ちと反転もKIFなら保存できる) {
    const struct {
        const char* 場合;
        メニュー操作 操作;
        std::string 断り;
    } 場合[] = {
        {"handicap", メニュー操作::LEBEL_DOWN, "棋譜書込: ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
        {"turned", メニュー操作::REVERSE, "棋譜書込: 反転後は書き込みできません"},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.場合);
        試験台 t;
        if (c.操作 == メニュー操作::LEBEL_DOWN) t.game->メニュー選択(c.操作);
        t.game->START_Click();
        指す(t, {{3, 7, 3, 6}, {7, 3, 7, 4}});
        std::vector<盤型> boards = 盤の列(t);
        if (c.操作 == メニュー操作::REVERSE) {
            // Turning the board starts the move list again: the record is the position.
            boards = {t.st().盤面.盤};
            t.game->メニュー選択(c.操作);
        }
        // ".棋譜" refuses as before; "KIF･CSA書込" writes the format chosen, KIF here.
        EXPECT_EQ(保存する(t, &ゲーム::KIFU_WRITE_Click, "駒落ち"), c.断り);
        EXPECT_FALSE(std::filesystem::exists(t.フォルダ / "駒落ち.棋譜"));
        EXPECT_EQ(保存する(t, &ゲーム::KIF_WRITE_Click, "駒落ち"), "  : 棋譜を書き込みました");
        EXPECT_EQ(読み込む(t, "駒落ち.kif").front().rfind("棋譜:  読み込みました", 0), 0u);
        if (c.操作 == メニュー操作::LEBEL_DOWN) {
            // The side without its bishop is 上手, on top in the record.
            const std::string kif = 中身(t.フォルダ / "駒落ち.kif");
            EXPECT_NE(kif.find("\x8a\x70\x97\x8e\x82\xbf"), std::string::npos);  // 角落ち
            for (盤型& b : boards) b = 回す(b);
        }
        // A turned board is written from the first player's view: as before it was turned.
        進めて戻る(t, boards);
    }
}

TEST(他形式の棋譜, 読めない手は手数と行を知らせ読めた手まで進める) {
    std::string 長いコメント = "手合割：平手\n*";
    for (int i = 0; i < 2000; ++i) 長いコメント += "あ";  // 6,000 bytes in UTF-8
    長いコメント += "\n   1 ７六歩(77)\n";
    const struct {
        const char* 名前;
        std::string 中身;
        std::vector<std::string> 知らせ;
        int 手順最終;  // -1: nothing loaded, the game on the board stays
    } 場合[] = {
        {"反則.kif",
         "手合割：平手\r\n   1 ７六歩(77)\r\n   2 ７六歩(77)\r\n",
         {"棋譜: 1手まで読み込みました\n\n2手目(3行目)が読めないか指せない手です",
          "棋譜: 棋譜を '進 'で進めて下さい"},
         1},
        {"読めない.csa",
         "V2.2\nPI\n+\n+7776FU\n-3334FU\n+8822UM\n-XYZ\n",
         {"棋譜: 3手まで読み込みました\n\n4手目(7行目)が読めないか指せない手です",
          "棋譜: 棋譜を '進 'で進めて下さい"},
         3},
        {"空.kif", "", {"棋譜: 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}, -1},
        {"初手から.kif",
         "手合割：平手\n   1 ５五王(59)\n",
         {"棋譜: 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\n\n2行目が読めません"},
         -1},
        {"ない.csa", "", {"棋譜: 棋譜ﾌｧｲﾙが見つかりません"}, -1},
        {"大きい.kif",
         std::string(17u << 20, '\n'),
         {"棋譜: 棋譜ﾌｧｲﾙが大きすぎて読み込めません\n\n16MBまでのﾌｧｲﾙを読み込めます"},
         -1},
        {"長いコメント.kifu",
         長いコメント,
         {"棋譜:  読み込みました", "棋譜: 棋譜を '進 'で進めて下さい"},
         1},
        {"余計な行.csa",
         "V2.2\nPI\n+\n+7776FU\nXYZ\n",
         {"棋譜:  読み込みました\n\n5行目に読み飛ばした行か置き換えた文字があります",
          "棋譜: 棋譜を '進 'で進めて下さい"},
         1},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.名前);
        試験台 t;
        if (std::string(c.名前) != "ない.csa")
            std::ofstream(t.フォルダ / c.名前, std::ios::binary) << c.中身;
        t.game->START_Click();
        指す(t, {{3, 7, 3, 6}});
        const 盤型 before = t.st().盤面.盤;
        EXPECT_EQ(読み込む(t, c.名前), c.知らせ);
        if (c.手順最終 < 0) {
            EXPECT_EQ(t.st().盤面.盤, before);
            EXPECT_EQ(t.st().進行.番.棋譜モード, 0);
            EXPECT_EQ(t.st().進行.数.手数, 1);
            continue;
        }
        EXPECT_EQ(t.st().進行.番.棋譜モード, 1);
        EXPECT_EQ(t.st().進行.数.手順最終, c.手順最終);
        EXPECT_EQ(t.st().盤面.盤[3][7], -歩);  // the usual start
    }
}

TEST(他形式の棋譜, 読み込んだ棋譜ファイルもKIFとCSAに書ける) {
    試験台 played;
    played.game->START_Click();
    四手指す(played);
    ASSERT_EQ(保存する(played, &ゲーム::KIFU_WRITE_Click, "元"), "  : 棋譜を書き込みました");
    // ".棋譜" keeps entries 1..手順最終: the positions after the first three moves.
    std::vector<盤型> boards = 盤の列(played);
    boards.pop_back();
    for (const char* name : {"写し.kif", "写し.csa"}) {
        SCOPED_TRACE(name);
        試験台 t;  // a fresh program: no game was played before the record is loaded
        std::filesystem::copy_file(played.フォルダ / "元.棋譜", t.フォルダ / "元.棋譜");
        読み込む(t, "元.棋譜");
        EXPECT_EQ(保存する(t, &ゲーム::KIFU_WRITE_Click, name), "  : 棋譜を書き込みました");
        読み込む(t, name);
        進めて戻る(t, boards);
    }
}

TEST(他形式の棋譜, 名前の検査は棋譜ファイルと同じ) {
    const struct {
        std::string 名前, 知らせ;
    } 場合[] = {
        {".kif", "  : ﾌｧｲﾙ名が入力されていません"},
        {"../外.kif",
         "棋譜保存: ﾌｧｲﾙ名に使えない文字があります\n\n「/」「\\」「..」や制御文字は使えません"},
        {"a/b.csa",
         "棋譜保存: ﾌｧｲﾙ名に使えない文字があります\n\n「/」「\\」「..」や制御文字は使えません"},
        {std::string(260, 'a') + ".kif", "棋譜保存: ﾌｧｲﾙ名が長すぎます"},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.名前);
        試験台 t;
        t.game->START_Click();
        指す(t, {{3, 7, 3, 6}});
        EXPECT_EQ(保存する(t, &ゲーム::KIFU_WRITE_Click, c.名前), c.知らせ);
        EXPECT_TRUE(std::filesystem::is_empty(t.フォルダ) ||
                    !std::filesystem::exists(t.フォルダ / ".kif"));
    }
    試験台 t;
    EXPECT_EQ(保存する(t, &ゲーム::KIFU_WRITE_Click, "無.kif"),
              "棋譜保存: 保存するデータがありません");
}

// A problem's position: the top king alone against a gold on the board and one in hand.
TEST(他形式の棋譜, 玉が一枚の局面は進められ二人で指せCOMとは指せない) {
    試験台 t;
    std::ofstream(t.フォルダ / "詰将棋.kif", std::ios::binary)
        << "後手の持駒：飛二 角二 金二 銀四 桂四 香四 歩十八\n"
           "| ・ ・ ・ ・ ・ ・ ・ ・v玉|一\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
           "| ・ ・ ・ ・ ・ ・ 金 ・ ・|三\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
           "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
           "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n"
           "| ・ ・ ・ ・ ・ ・ ・ ・ ・|九\n先手の持駒：金\n   1 ２三金(33)\n";
    読み込む(t, "詰将棋.kif");
    t.game->AFTER_Click();
    EXPECT_EQ(t.st().盤面.盤[8][3], -金);
    t.game->REPLAY_Click();
    t.game->SENTE_Click();
    EXPECT_EQ(t.dialog.最後(), "対局: 玉が片方にしかない局面ではCOMと対局できません");
    t.game->START_Click();
    指す(t, {{7, 3, 7, 2}, {9, 1, 9, 2}});
    EXPECT_EQ(t.st().盤面.盤[7][2], -金);
    EXPECT_EQ(t.st().盤面.盤[9][2], 王);
    t.game->HINT_Click();
    EXPECT_EQ(t.dialog.最後(), "ヒント: 玉が片方にしかない局面ではできません");
}

// The handicap and the ending a record names are said when it is read and at its end.
TEST(他形式の棋譜, 手合割と終局の語を知らせる) {
    試験台 t;
    std::ofstream(t.フォルダ / "香落ち.kif", std::ios::binary)
        << "手合割：香落ち\n   1 ３四歩(33)\n   2 投了\n";
    EXPECT_EQ(読み込む(t, "香落ち.kif").front(),
              "棋譜:  読み込みました\n\n手合割：香落ち\n終局：投了");
    t.game->AFTER_Click();
    t.game->AFTER_Click();
    EXPECT_EQ(t.dialog.最後(), "進む: 終わり（投了）");
}

// "KIF･CSA書込" lists the formats beside the name: the one chosen names the file, unless the
// name has a record extension of its own.
TEST(他形式の棋譜, 選んだ形式で拡張子を付けて書く) {
    const struct {
        棋譜形式 形式;
        const char* 名前;
        const char* ファイル;
    } 場合[] = {
        {棋譜形式::KIF, "対局", "対局.kif"},
        {棋譜形式::KI2U, "対局", "対局.ki2u"},
        {棋譜形式::KIF, "対局.ki2", "対局.ki2"},
        {棋譜形式::CSA, "対局.CSA", "対局.CSA"},
    };
    for (const auto& c : 場合) {
        SCOPED_TRACE(c.ファイル);
        試験台 t;
        t.game->START_Click();
        四手指す(t);
        t.panel.形式 = c.形式;
        EXPECT_EQ(保存する(t, &ゲーム::KIF_WRITE_Click, c.名前), "  : 棋譜を書き込みました");
        EXPECT_EQ(読み込む(t, c.ファイル).front(), "棋譜:  読み込みました");
        t.game->KIFU_WRITE_Click();  // "書込" has no list: a plain name is a ".棋譜" file
        EXPECT_EQ(t.panel.選んだ形式(), 棋譜形式::不明);
    }
}

}  // namespace
}  // namespace yukora
