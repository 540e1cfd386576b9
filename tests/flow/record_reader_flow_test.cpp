// Loading a ".棋譜" file from the record panel: a new game, the header, the boxes, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "flow/journal_ports.h"
#include "own_format/record_line.h"
#include "own_format/record_reader.h"
#include "panel/record_header.h"
#include "support/board_fixtures.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

using test::進行試験::日誌;
using test::進行試験::日誌台;
using test::進行試験::日誌画面;

// An entry line of the starting position with the clocks given.
std::string 項目行(float man, float com) {
    手順記録 e;
    e.盤 = test::初期局面().盤;
    e.MAN時間後 = man;
    e.COM時間後 = com;
    return 書式_棋譜行(e) + "\r\n";
}

// A game in the middle, the panel's lists shown and the file `bytes` in its folder.
void 途中の対局(日誌台& t, const std::string& bytes) {
    std::ofstream(t.フォルダ / "a.棋譜", std::ios::binary) << bytes;
    t.panel.フォルダ = t.フォルダ.string();
    t.panel.可視_Drive1(true);
    t.panel.可視_Dir1(true);
    t.panel.可視_File1(true);
    進行状態& s = t.st().進行;
    s.数.手数 = 17;
    s.数.手順番号 = 17;
    s.数.手順最終 = 17;
    s.番.手番 = -1;
    t.st().盤面.盤[5][5] = 角;
    t.記録.clear();
}

日誌 印字(const std::vector<std::string>& lines) {
    日誌 out;
    日誌画面 screen(out);
    見出しを印字(screen, lines);
    return out;
}

// The new game first (the timer stopped, the whole window drawn `drawn` times), then the
// header, then the boxes.
void 順に(日誌台& t, const 日誌& tail, int drawn = 1) {
    ASSERT_GT(t.記録.size(), tail.size());
    EXPECT_EQ(t.記録.front(), "Timer1 off");
    EXPECT_EQ(日誌(t.記録.end() - static_cast<long>(tail.size()), t.記録.end()), tail);
    // The picture in the top right corner ends every full repaint.
    const std::string last = t.描くもの([](表示& d) { d.描画_絵(1, 10.8, 0); }).at(0);
    EXPECT_EQ(std::count(t.記録.begin(), t.記録.end() - static_cast<long>(tail.size()), last),
              drawn);
}

TEST(棋譜ファイル選択, 新しい対局にして見出しを印字し棋譜モードで項目を読み進めるよう伝える) {
    日誌台 t;
    途中の対局(t, SJISへ変換("名局\r\n上の人\r\n下の人\r\n").value() + 項目行(3, 0) + 項目行(3, 8));
    t.game->File1_Click("a.棋譜");
    日誌 tail = 印字({"名局", "上の人", "下の人"});
    tail.push_back("メッセージ [ 読み込みました] [棋譜]");
    tail.push_back("メッセージ [棋譜を '進 'で進めて下さい] [棋譜]");
    順に(t, tail);

    const 進行状態& s = t.st().進行;
    EXPECT_EQ(s.番.棋譜モード, 1);
    EXPECT_EQ(s.番.手番, 1);
    EXPECT_EQ(s.数.手順番号, 0);
    EXPECT_EQ(s.数.手数, 0);
    EXPECT_EQ(s.数.手順最終, 2);
    EXPECT_FALSE(t.timer.on);
    EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);
    EXPECT_FALSE(t.panel.Drive1 || t.panel.Dir1 || t.panel.File1);
    EXPECT_EQ(t.st().手順.参照(0).盤, test::初期局面().盤);
    EXPECT_EQ(t.st().手順.参照(1).MAN時間後, 3.0f);
    EXPECT_EQ(t.st().手順.参照(2).COM時間後, 8.0f);
}

TEST(棋譜ファイル選択, 読めなければ新しい対局のまま棋譜モードでわけを伝える) {
    const struct {
        const char* name;
        const char* 中身;  // of "a.棋譜"
        std::vector<std::string> 見出し;
        const char* 知らせ;
    } cases[] = {
        {"none.棋譜", "", {}, "メッセージ [棋譜ﾌｧｲﾙが見つかりません] [棋譜]"},
        {"a.棋譜",
         "t\r\nu\r\nv\r\n",
         {"t", "u", "v"},
         "メッセージ [棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません] [棋譜]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        日誌台 t;
        途中の対局(t, c.中身);
        t.game->File1_Click(c.name);
        日誌 tail = 印字(c.見出し);
        tail.push_back(c.知らせ);
        順に(t, tail);
        const 進行状態& s = t.st().進行;
        EXPECT_EQ(s.数.手順最終, 0);
        EXPECT_EQ(s.番.手番, 0);
        EXPECT_EQ(s.番.棋譜モード, 1);
        EXPECT_EQ(t.st().盤面.盤, test::初期局面().盤);  // the new-game position stays
    }
}

TEST(棋譜ファイル選択, 他形式は読めなければ対局をそのままにわけだけを伝える) {
    日誌台 t;
    std::ofstream(t.フォルダ / "空.kif", std::ios::binary) << "";
    t.panel.フォルダ = t.フォルダ.string();
    t.panel.可視_File1(true);
    t.game->File1_Click("空.kif");
    EXPECT_EQ(t.記録, 日誌{"メッセージ [棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません] [棋譜]"});
    EXPECT_FALSE(t.panel.File1);
    EXPECT_EQ(t.st().進行.番.棋譜モード, 0);
}

TEST(棋譜ファイル選択, 他形式の駒落ちは初期局面の後にその開始を描き直す) {
    日誌台 t;
    std::ofstream(t.フォルダ / "香落ち.kif", std::ios::binary) << "手合割：香落ち\r\n";
    t.panel.フォルダ = t.フォルダ.string();
    t.game->File1_Click("香落ち.kif");
    日誌 tail = 印字({"", "", ""});
    tail.push_back("メッセージ [ 読み込みました\n\n手合割：香落ち] [棋譜]");
    tail.push_back("メッセージ [棋譜を '進 'で進めて下さい] [棋譜]");
    順に(t, tail, 2);
    EXPECT_EQ(t.st().進行.番.棋譜モード, 1);
    EXPECT_EQ(t.st().進行.数.手順最終, 0);
    EXPECT_EQ(t.st().盤面.盤, t.st().手順.参照(0).盤);
    EXPECT_NE(t.st().盤面.盤, test::初期局面().盤);
}

}  // namespace
}  // namespace yukora
