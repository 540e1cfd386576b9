#include "panel/record_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <regex>

#include "own_format/record_line.h"
#include "own_format/record_reader.h"
#include "own_format/record_writer.h"
#include "panel/panel_fakes.h"
#include "support/board_fixtures.h"
#include "support/file_size_limit.h"
#include "support/ordinary_user.h"
#include "support/real_game.h"
#include "support/temp_folder.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

std::vector<std::string> CRLF行(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line must end with CR LF";
    return lines;
}

class 棋譜保存 : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    test::棋譜試験::記録するパネル panel;
    test::棋譜試験::記録するダイアログ dialog;

    void SetUp() override {
        panel.フォルダ = dir.場所();
        panel.文字列設定(棋譜欄::Text1, "実戦");
        panel.文字列設定(棋譜欄::Text2, "第一局 ﾃｽﾄ");
        panel.文字列設定(棋譜欄::Text3, "先手さん");
        panel.文字列設定(棋譜欄::Text4, "後手さん");
        panel.可視_Drive1(true);
        panel.可視_Dir1(true);
        panel.可視_入力欄(true);
    }
    const test::棋譜試験::メッセージ記録& 最後() const { return dialog.表示.back(); }
    // The one message box shown; fails the test when there was not exactly one.
    test::棋譜試験::メッセージ記録 ただ一つ() const {
        EXPECT_EQ(dialog.表示.size(), 1u);
        return dialog.表示.empty() ? test::棋譜試験::メッセージ記録{} : dialog.表示.front();
    }
};

TEST_F(棋譜保存, 実戦を書いて読み戻すと全ての項目が一致する) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    ASSERT_GT(g.s.数.手順最終, 90);
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    EXPECT_EQ(ただ一つ(), (test::棋譜試験::メッセージ記録{"棋譜を書き込みました", "  "}));
    EXPECT_FALSE(panel.Drive1 || panel.Dir1 || panel.File1 || panel.入力欄);
    EXPECT_EQ(panel.文字列(棋譜欄::Text1), "");
    EXPECT_EQ(panel.更新回数, 1);
    EXPECT_EQ(dir.一覧(), "実戦.棋譜");

    const auto lines = CRLF行(dir.読む("実戦.棋譜"));
    ASSERT_EQ(lines.size(), 3u + static_cast<size_t>(g.s.数.手順最終));
    const std::regex entry("[ 0-9-]{324}[0-9]{14}[ 0-9]{20}");
    for (size_t i = 3; i < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], entry)) << i;

    手順リスト list;
    ASSERT_EQ(読込_棋譜(dir.場所(), "実戦.棋譜", list).項目数, g.s.数.手順最終);
    for (int i = 1; i <= g.s.数.手順最終; ++i) {
        SCOPED_TRACE(i);
        const 手順記録& a = g.list.参照(i);
        const 手順記録& b = list.参照(i);
        EXPECT_EQ(b.盤, a.盤);
        EXPECT_EQ(b.MAN持駒, a.MAN持駒);
        EXPECT_EQ(b.COM持駒, a.COM持駒);
        EXPECT_EQ(b.MAN時間前, std::trunc(a.MAN時間前));
        EXPECT_EQ(b.MAN時間後, std::trunc(a.MAN時間後));
        EXPECT_EQ(b.COM時間前, std::trunc(a.COM時間前));
        EXPECT_EQ(b.COM時間後, std::trunc(a.COM時間後));
    }
}

TEST_F(棋譜保存, 見出しは題名と上の人と下の人の名前の順) {
    test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    g.s.数.手順最終 = 2;
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    auto lines = CRLF行(dir.読む("実戦.棋譜"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(SJISから変換(lines[0]).value_or("?"), "第一局 ﾃｽﾄ");
    EXPECT_EQ(SJISから変換(lines[1]).value_or("?"), "後手さん");  // the bottom player moved first
    EXPECT_EQ(SJISから変換(lines[2]).value_or("?"), "先手さん");
    EXPECT_EQ(lines[3], 書式_棋譜行(g.list.参照(1)));
    EXPECT_EQ(lines[4], 書式_棋譜行(g.list.参照(2)));

    SetUp();
    g.s.番.MAN番 = -1;
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    lines = CRLF行(dir.読む("実戦.棋譜"));
    EXPECT_EQ(SJISから変換(lines[1]).value_or("?"), "先手さん");
    EXPECT_EQ(SJISから変換(lines[2]).value_or("?"), "後手さん");
}

TEST_F(棋譜保存, 五番目の項目の五の九の下の王は八行目の177から180文字目) {
    手順リスト list;
    進行状態 s;
    for (int i = 1; i <= 6; ++i) list.項目(i).盤 = test::初期局面().盤;
    list.項目(5).盤[5][9] = -王;
    list.項目(4).盤[5][9] = 0;
    list.項目(6).盤[5][9] = 0;
    list.項目(5).MAN時間前 = 7.9f;
    list.項目(5).MAN時間後 = 1000;
    list.項目(5).COM時間前 = 12345;
    s.数.手順最終 = 6;
    ASSERT_EQ(Command1_Click(list, s, panel, dialog), 1);
    const auto lines = CRLF行(dir.読む("実戦.棋譜"));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[7].substr(176, 4), "-950");
    EXPECT_EQ(lines[6].substr(176, 4), "   0");
    EXPECT_EQ(lines[8].substr(176, 4), "   0");
    EXPECT_EQ(lines[7].substr(338, 15), "    7 100012345");
}

TEST_F(棋譜保存, 名前がなければ保存するものがなければ断りファイルに触れない) {
    test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    panel.文字列設定(棋譜欄::Text1, "");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ(), (test::棋譜試験::メッセージ記録{"ﾌｧｲﾙ名が入力されていません", "  "}));

    dialog.表示.clear();
    panel.文字列設定(棋譜欄::Text1, "実戦");
    g.s.数.手順最終 = 0;  // right after the first move
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ(),
              (test::棋譜試験::メッセージ記録{"保存するデータがありません", "棋譜保存"}));
    EXPECT_EQ(dir.一覧(), "");
    EXPECT_TRUE(panel.入力欄);
    EXPECT_EQ(panel.文字列(棋譜欄::Text2), "第一局 ﾃｽﾄ");
}

TEST_F(棋譜保存, 区切りや上の階層や制御文字を含む名前と長すぎる名前は断る) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    const std::string outside = std::filesystem::path(dir.場所()).parent_path() / "escape.棋譜";
    for (const std::string& name : std::vector<std::string>{
             "../escape", "..", "a/b", "/tmp/x", "a\\b", "x\ty", "x\ny", std::string("a\0b", 3),
             "\x7f", std::string(260, 'k'), std::string("\xe5\xb0", 2)}) {
        SCOPED_TRACE(name);
        dialog.表示.clear();
        panel.文字列設定(棋譜欄::Text1, name);
        EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
        EXPECT_EQ(ただ一つ().題, "棋譜保存");
    }
    EXPECT_EQ(dialog.表示.back().本文,
              "ﾌｧｲﾙ名に使えない文字があります\n\n「/」「\\」「..」や制御文字は使えません");
    EXPECT_EQ(dir.一覧(), "");
    EXPECT_FALSE(std::filesystem::exists(outside));
    // Dots elsewhere, blanks and kanji are fine.
    panel.文字列設定(棋譜欄::Text1, ".第2局 v1.5");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    EXPECT_EQ(dir.一覧(), ".第2局 v1.5.棋譜");
}

TEST_F(棋譜保存, ShiftJISで書けない文字はその欄の名を挙げて断る) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    panel.文字列設定(棋譜欄::Text2, "名局😀");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ(), (test::棋譜試験::メッセージ記録{
                              "「対局名」にShift-JISで保存できない文字があります", "棋譜保存"}));

    dialog.表示.clear();
    panel.文字列設定(棋譜欄::Text2, "名局");
    panel.文字列設定(棋譜欄::Text3, "김");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ().本文, "「先手」にShift-JISで保存できない文字があります");

    dialog.表示.clear();
    panel.文字列設定(棋譜欄::Text3, "先手さん");
    panel.文字列設定(棋譜欄::Text4, "二行\r\nの名前");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ().本文, "「後手」にShift-JISで保存できない文字があります");
    EXPECT_EQ(dir.一覧(), "");
    EXPECT_TRUE(panel.入力欄);
}

TEST_F(棋譜保存, 書けなくても前の棋譜は残り一時ファイルも残らない) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    dir.置く("実戦.棋譜", "old record\r\n");
    {
        test::棋譜試験::書込上限 full(1000);  // the disk fills up in the middle of the record
        EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    }
    EXPECT_EQ(ただ一つ(),
              (test::棋譜試験::メッセージ記録{
                  "棋譜ﾌｧｲﾙを保存できませんでした\n\nﾃﾞｨｽｸの空きが足りません", "棋譜保存"}));
    EXPECT_EQ(dir.読む("実戦.棋譜"), "old record\r\n");
    EXPECT_EQ(dir.一覧(), "実戦.棋譜");
    EXPECT_TRUE(panel.入力欄);
    EXPECT_EQ(panel.更新回数, 0);

    // Once there is room again the record is replaced whole.
    dialog.表示.clear();
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    EXPECT_EQ(CRLF行(dir.読む("実戦.棋譜")).size(), 3u + static_cast<size_t>(g.s.数.手順最終));
    EXPECT_EQ(dir.一覧(), "実戦.棋譜");
}

TEST_F(棋譜保存, ないフォルダには書けないと知らせる) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    panel.フォルダ = dir.中("gone");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ(),
              (test::棋譜試験::メッセージ記録{
                  "棋譜ﾌｧｲﾙを保存できませんでした\n\nﾌｫﾙﾀﾞが見つかりません", "棋譜保存"}));
    EXPECT_FALSE(std::filesystem::exists(dir.中("gone")));
}

TEST_F(棋譜保存, 書き込めないフォルダでは失敗を知らせる) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    ASSERT_EQ(::chmod(dir.場所().c_str(), 0555), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        return Command1_Click(g.list, g.s, panel, dialog) == 0 && dialog.表示.size() == 1 &&
               dialog.表示[0] ==
                   test::棋譜試験::メッセージ記録{
                       "棋譜ﾌｧｲﾙを保存できませんでした\n\nこのﾌｫﾙﾀﾞには書き込めません", "棋譜保存"};
    });
    EXPECT_EQ(dir.一覧(), "");
}

TEST_F(棋譜保存, 十以上の持駒は英字一文字で行は358文字のまま読み戻せる) {
    test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    g.s.数.手順最終 = 2;
    手順記録& e = g.list.項目(2);
    e.MAN持駒[持駒_歩] = 12;
    e.COM持駒[持駒_歩] = 18;
    e.COM時間後 = 123456;
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    const auto lines = CRLF行(dir.読む("実戦.棋譜"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4].size(), 358u);
    EXPECT_EQ(lines[4].substr(324, 2), "CI");
    EXPECT_EQ(lines[4].substr(353), "99999");

    手順リスト list;
    読込_棋譜(dir.場所(), "実戦.棋譜", list);
    EXPECT_EQ(list.参照(2).MAN持駒[持駒_歩], 12);
    EXPECT_EQ(list.参照(2).COM持駒[持駒_歩], 18);
    EXPECT_EQ(list.参照(2).COM時間後, 99999.0f);
}

TEST_F(棋譜保存, 書き込み禁止の棋譜は断り何も変えない) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    dir.置く("実戦.棋譜", "kept\r\n");
    ASSERT_EQ(::chmod(dir.中("実戦.棋譜").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.場所().c_str(), 0777), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        return Command1_Click(g.list, g.s, panel, dialog) == 0 && dialog.表示.size() == 1 &&
               dialog.表示[0] ==
                   test::棋譜試験::メッセージ記録{
                       "棋譜ﾌｧｲﾙを保存できませんでした\n\nﾌｧｲﾙが書き込み禁止になっています",
                       "棋譜保存"} &&
               panel.入力欄 && panel.文字列(棋譜欄::Text1) == "実戦";
    });
    EXPECT_EQ(dir.読む("実戦.棋譜"), "kept\r\n");
    EXPECT_EQ(dir.一覧(), "実戦.棋譜");
}

TEST_F(棋譜保存, シンボリックリンクの棋譜はリンク先に書きリンクは残る) {
    const test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    std::filesystem::create_directory(dir.中("keep"));
    dir.置く("keep/本物.棋譜", "old\r\n");
    std::filesystem::create_symlink("keep/本物.棋譜", dir.中("実戦.棋譜"));
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.中("実戦.棋譜")));
    EXPECT_EQ(CRLF行(dir.読む("keep/本物.棋譜")).size(), 3u + static_cast<size_t>(g.s.数.手順最終));
    EXPECT_EQ(dir.一覧(), "keep 実戦.棋譜");
}

TEST_F(棋譜保存, 読込の上限を超える見出しは断り上限ちょうどは読み戻せる) {
    test::棋譜試験::並べた対局 g = test::棋譜試験::実戦を並べる();
    g.s.数.手順最終 = 1;
    // 2048 two-byte characters fill the cap exactly; one ASCII letter more is too long.
    std::string full;
    for (int i = 0; i < 見出しの最大文字数; ++i) full += "将";
    panel.文字列設定(棋譜欄::Text3, full + "x");
    EXPECT_EQ(Command1_Click(g.list, g.s, panel, dialog), 0);
    EXPECT_EQ(ただ一つ(), (test::棋譜試験::メッセージ記録{"「先手」が長すぎます", "棋譜保存"}));
    EXPECT_EQ(dir.一覧(), "");

    dialog.表示.clear();
    panel.文字列設定(棋譜欄::Text3, "先手");
    panel.文字列設定(棋譜欄::Text2, full);
    ASSERT_EQ(Command1_Click(g.list, g.s, panel, dialog), 1);
    手順リスト list;
    const 棋譜読込結果 r = 読込_棋譜(dir.場所(), "実戦.棋譜", list);
    ASSERT_EQ(r.見出し.size(), 3u);
    EXPECT_EQ(r.見出し[0], full);
    EXPECT_EQ(r.項目数, 1);
}

}  // namespace
}  // namespace yukora
