// yukora-kifu's commands: conversions between every pair of formats, the SFEN listing, and
// errors with file, line and reason.
#include "kifu/commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace yukora {
namespace {

using test::棋譜試験::一時フォルダ;

const std::string 実戦 = std::string(GAMES_DIR) + "/real-game-1.csa";

struct 出力 {
    int status;
    std::string out, err;
};

出力 走らせる(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = 実行する(args, out, err);
    return {status, out.str(), err.str()};
}

void 書く(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The real game goes CSA → KIF → ".棋譜" → CSA (and through KIFU) with every position the same.
TEST(変換, 実戦はどの形式を通っても同じ局面) {
    一時フォルダ dir;
    const std::string d = dir.場所();
    const 出力 original = 走らせる({"sfen", 実戦});
    ASSERT_EQ(original.status, 0) << original.err;
    EXPECT_EQ(std::count(original.out.begin(), original.out.end(), '\n'), 101);
    const std::vector<std::pair<std::string, std::string>> steps = {{実戦, d + "/a.kif"},
                                                                    {d + "/a.kif", d + "/b.棋譜"},
                                                                    {d + "/b.棋譜", d + "/c.csa"},
                                                                    {d + "/c.csa", d + "/d.kifu"},
                                                                    {d + "/d.kifu", d + "/e.棋譜"}};
    for (const auto& [in, out] : steps) {
        SCOPED_TRACE(out);
        const 出力 c = 走らせる({"convert", in, out});
        ASSERT_EQ(c.status, 0) << c.err;
        EXPECT_EQ(c.err, "");
        EXPECT_EQ(走らせる({"sfen", out}).out, original.out);
    }
    // Both ".棋譜" files hold the same entries.
    std::ifstream b(d + "/b.棋譜", std::ios::binary), e(d + "/e.棋譜", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(b), {}),
              std::string(std::istreambuf_iterator<char>(e), {}));
}

TEST(変換, SFENは手ごとに手数つき) {
    const 出力 o = 走らせる({"sfen", 実戦});
    std::istringstream lines(o.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    EXPECT_EQ(second, "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");
}

TEST(変換, 読めない手までの局面とファイルと行と理由) {
    一時フォルダ dir;
    const std::string in = dir.場所() + "/bad.kifu";
    書く(in, "手合割：平手\n   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ２四歩(27)\n");
    const 出力 o = 走らせる({"sfen", in});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 3);  // the start and two moves
    EXPECT_EQ(o.err, in + ":4: move 3: the piece cannot go there\n");
    const 出力 c = 走らせる({"convert", in, dir.場所() + "/out.csa"});
    EXPECT_EQ(c.status, 1);
    EXPECT_EQ(c.err, o.err);
    EXPECT_FALSE(std::filesystem::exists(dir.場所() + "/out.csa"));  // nothing half-read is written
}

struct 失敗の例 {
    const char* 名前;
    std::string 入力;  // file contents; empty: the file does not exist
    std::string 入力名, 出力名;
    const char* 理由;
};

std::string 繰り返す(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Files that cannot be read whole, and records a format cannot hold: nothing is written.
TEST(変換, 断る場合) {
    一時フォルダ dir;
    const std::string d = dir.場所();
    const std::string 一行の歩 = "*" + 繰り返す("\x82\xa0", 2000) + "\n";  // "あ" × 2000
    const 失敗の例 cases[] = {
        {"知らない拡張子", "+7776FU\n", "a.csa", "a.txt", "a.txt: unknown extension"},
        {"ない入力", "", "none.kif", "b.csa", "none.kif: No such file or directory"},
        {"何もない", "hello\n", "c.kif", "c.csa", "c.kif: no KIF record found"},
        {"駒落ちは.棋譜にならない", "PI22KA\n-\n-5142OU\n", "h.csa", "h.棋譜",
         "h.棋譜: a \".棋譜\" file holds only games from the usual start"},
        {"指し手のない.棋譜", "PI\n+\n", "e.csa", "e.棋譜", "e.棋譜: no moves to save"},
        {"六万五千五百三十八枚の歩", "P+" + 繰り返す("00FU", 65538) + "\n+\n", "p.csa", "p.kif",
         "p.csa:1: the hands hold more of a piece than a set has"},
        {"数字で始まらない行", "   1 ７六歩(77)\nx\n   2 ３四歩(33)\n", "m.kifu", "m.csa",
         "m.kifu:2: move 2: a line that is neither a move nor a comment"},
        {"最後の手の前のNUL", "   1 ７六歩(77)\n" + std::string(1, '\0') + "   2 ３四歩(33)\n",
         "n.kifu", "n.csa", "n.kifu:2: move 2: a line that is neither a move nor a comment"},
        {"二万五千手は.棋譜にならない", 繰り返す("+2838HI\n-8272HI\n+3828HI\n-7282HI\n", 6250),
         "l.csa", "l.棋譜", "l.棋譜: a \".棋譜\" file holds at most 20000 moves"},
        {"UTF-8で上限を超える", "   1 ７六歩(77)\n" + 繰り返す(一行の歩, 3000), "big.kif",
         "big.kifu", "big.kifu: the file would be larger than 16 MiB"},
        {"上限を超える入力", std::string(17u << 20, '\n'), "huge.kif", "x.csa",
         "huge.kif: the file is larger than 16 MiB"},
    };
    for (const 失敗の例& c : cases) {
        SCOPED_TRACE(c.名前);
        if (!c.入力.empty()) 書く(d + "/" + c.入力名, c.入力);
        const 出力 o = 走らせる({"convert", d + "/" + c.入力名, d + "/" + c.出力名});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err.rfind(d + "/" + c.理由, 0), 0u) << o.err;
        EXPECT_FALSE(std::filesystem::exists(d + "/" + c.出力名));
    }
    ASSERT_EQ(::mkfifo((d + "/fifo.kif").c_str(), 0600), 0);
    EXPECT_EQ(走らせる({"sfen", d + "/fifo.kif"}).err,
              d + "/fifo.kif: not a regular file (a folder, a pipe or a device)\n");
    書く(d + "/ro.csa", "");
    std::filesystem::permissions(d + "/ro.csa", std::filesystem::perms::owner_read);
    EXPECT_EQ(走らせる({"convert", 実戦, d + "/ro.csa"}).err,
              d + "/ro.csa: the file is write-protected\n");
    EXPECT_EQ(走らせる({"convert", "a.kif"}).status, 2);
    EXPECT_EQ(走らせる({}).status, 2);
}

// CSA with CR alone at the line ends, as old Mac programs wrote it.
TEST(変換, CRだけで行を終えるCSAも読む) {
    一時フォルダ dir;
    書く(dir.場所() + "/cr.csa", "V2.2\rPI\r+\r+7776FU\r-3334FU\r%TORYO\r");
    const 出力 o = 走らせる({"sfen", dir.場所() + "/cr.csa"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 3);
}

}  // namespace
}  // namespace yukora
