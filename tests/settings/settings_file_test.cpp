#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "settings/settings_fakes.h"
#include "support/file_size_limit.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

std::string SJIS(const std::string& utf8) { return SJISへ変換(utf8).value(); }

オプション印 印なし() {
    オプション印 m;
    m.TATAMI = false;
    return m;
}

class 環境設定 : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    test::設定試験::記録する背景 bg;
    test::設定試験::記録するBGM music;
    設定状態 st;
    int 背景画番号 = 0;

    void 置く(const std::string& utf8) { dir.置く(環境設定ファイル名, SJIS(utf8)); }
    std::string ファイル() const {
        return SJISから変換(dir.読む(環境設定ファイル名)).value_or("?");
    }
    void 読む() { 読込_環境設定ファイル(dir.場所(), st, 背景画番号, bg, music); }
    // Which of the five backgrounds are checked, as five letters.
    std::string 背景の印() const {
        const オプション印& m = st.印;
        return std::string(m.MIDORI ? "緑" : "-") + (m.TATAMI ? "畳" : "-") +
               (m.TAKE ? "竹" : "-") + (m.UCHU ? "宇" : "-") + (m.RENGA ? "煉" : "-");
    }
};

const std::string 読込の既定 =
    "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n";

TEST_F(環境設定, BGMだけのファイルは音楽を始め他の印を付けず背景画番号は0のまま) {
    置く("BGM=ON\r\n");
    読む();
    EXPECT_EQ(music.操作, std::vector<std::string>{"ループ再生"});
    EXPECT_TRUE(st.印.BGM);
    EXPECT_FALSE(st.印.SIDOU);
    EXPECT_FALSE(st.印.KEIKA);
    EXPECT_EQ(背景画番号, 0);
    EXPECT_EQ(背景の印(), "-畳---");  // the initial menu's check stays
    EXPECT_TRUE(bg.描いた背景.empty());
    EXPECT_EQ(ファイル(), "BGM=ON\r\n");  // read, not rewritten
}

TEST_F(環境設定, 四つの鍵を読んでそれぞれの印と状態を決める) {
    置く("背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n");
    読む();
    EXPECT_EQ(背景の印(), "---宇-");
    EXPECT_EQ(bg.描いた背景, std::vector<int>{5});
    EXPECT_EQ(背景画番号, 5);
    EXPECT_TRUE(st.印.SIDOU);
    EXPECT_EQ(st.移動指導フラグ, 1);
    EXPECT_EQ(st.指導色, 15);
    EXPECT_TRUE(st.印.KEIKA);
    EXPECT_FALSE(st.印.BGM);
    EXPECT_TRUE(music.操作.empty());
}

// The background and the music in one journal, to see the order of what the user notices.
class 記録する背景とBGM final : public 背景描画, public BGM演奏 {
public:
    std::vector<std::string> 順;
    void 描画_背景(int n) override { 順.push_back("背景" + std::to_string(n)); }
    void ループ再生() override { 順.push_back("ループ再生"); }
    void 停止() override { 順.push_back("停止"); }
};

TEST_F(環境設定, 音楽は最後のBGMの行に従い多くても一度だけ始まる) {
    std::string 千バイト;
    while (千バイト.size() + 8 <= 環境設定の上限) 千バイト += "BGM=ON\r\n";
    const struct {
        const char* 場合;
        std::string 中身;
        std::vector<std::string> 順;
        bool 印;
    } cases[] = {
        {"the writer's lines",
         "背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n表示倍率=100\r\n勢力表示=OFF\r\n",
         {"背景5", "ループ再生"},
         true},
        {"music first", "BGM=ON\r\n背景画=竹\r\n", {"ループ再生", "背景4"}, true},
        {"a kibibyte of BGM=ON", 千バイト, {"ループ再生"}, true},
        {"on, then off", "BGM=ON\r\nBGM=OFF\r\n", {}, false},
        {"off, then on", "BGM=OFF\r\nBGM=ON\r\n", {"ループ再生"}, true},
        {"no music line", "背景画=緑\r\n", {"背景2"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.場合);
        設定状態 s;
        int 番号 = 0;
        記録する背景とBGM both;
        dir.置く(環境設定ファイル名, SJIS(c.中身));
        読込_環境設定ファイル(dir.場所(), s, 番号, both, both);
        EXPECT_EQ(both.順, c.順);
        EXPECT_EQ(s.印.BGM, c.印);
    }
}

TEST_F(環境設定, 移動指導がONでなければ指導色は緑) {
    置く("移動指導=OFF\r\n");
    読む();
    EXPECT_EQ(st.指導色, 2);
    EXPECT_EQ(st.移動指導フラグ, 0);
    EXPECT_FALSE(st.印.SIDOU);
}

TEST_F(環境設定, 知らない鍵と値と等号のない行は飛ばし値は大文字小文字まで比べる) {
    置く(
        "\r\n# comment\r\n背景画=青\r\n色=赤\r\n経過時間=on\r\nBGM==ON\r\n背景画=煉瓦 "
        "\r\n背景画=煉瓦\r\n");
    st.印.KEIKA = true;
    読む();
    EXPECT_FALSE(st.印.KEIKA);
    EXPECT_FALSE(st.印.BGM);
    EXPECT_TRUE(music.操作.empty());
    EXPECT_EQ(bg.描いた背景, std::vector<int>{6});
    EXPECT_EQ(背景の印(), "----煉");
}

TEST_F(環境設定, ShiftJISでない行は飛ばして残りを読む) {
    dir.置く(環境設定ファイル名, "BGM=ON\x80\r\n\xff\xfe=\r\n" + SJIS("背景画=緑\r\n"));
    読む();
    EXPECT_FALSE(st.印.BGM);
    EXPECT_EQ(背景画番号, 2);
}

TEST_F(環境設定, ファイルがなければ竹と音楽なしの既定で作り直して当てはめる) {
    読む();
    EXPECT_EQ(ファイル(), 読込の既定);
    EXPECT_EQ(背景の印(), "--竹--");
    EXPECT_EQ(bg.描いた背景, std::vector<int>{4});
    EXPECT_EQ(背景画番号, 4);
    EXPECT_FALSE(st.印.SIDOU);
    EXPECT_TRUE(st.印.KEIKA);
    EXPECT_FALSE(st.印.BGM);
    EXPECT_EQ(st.移動指導フラグ, 0);
    EXPECT_EQ(st.指導色, 0);
    EXPECT_TRUE(music.操作.empty());
}

TEST_F(環境設定, 知っている行が一つもないファイルは既定で作り直す) {
    dir.置く(環境設定ファイル名, "\x01\x02\xff\r\n=\r\nでたらめ=1\r\n");
    読む();
    EXPECT_EQ(ファイル(), 読込の既定);
    EXPECT_EQ(背景の印(), "--竹--");
    EXPECT_TRUE(st.印.KEIKA);
}

TEST_F(環境設定, 設定ファイルの名のフォルダは読めずに既定で置き換えられないまま既定を当てはめる) {
    std::filesystem::create_directory(dir.中(環境設定ファイル名));
    読む();
    EXPECT_TRUE(std::filesystem::is_directory(dir.中(環境設定ファイル名)));
    EXPECT_EQ(dir.一覧(), 環境設定ファイル名);
    EXPECT_EQ(背景画番号, 4);
    EXPECT_TRUE(st.印.KEIKA);
}

TEST_F(環境設定, 四行五行六行のファイルを読み勢力表示は六行目でも読む) {
    const std::string 四行 = "背景画=煉瓦\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n";
    struct 例 {
        std::string 後;     // what follows the four lines of today
        bool 前, 勢力表示;  // the mark before reading and after
    };
    const 例 cases[] = {
        {"", false, false},  // a file of today leaves the display off
        {"勢力表示=ON\r\n", false, true},
        {"表示倍率=150\r\n", false, false},
        {"表示倍率=150\r\n勢力表示=ON\r\n", false, true},
        {"表示倍率=150\r\n勢力表示=OFF\r\n", true, false},
        {"表示倍率=150\r\n勢力表示=on\r\n", true, false},
    };
    for (const 例& c : cases) {
        st = 設定状態{};
        st.印.SEIRYOKU = c.前;
        置く(四行 + c.後);
        読む();
        EXPECT_EQ(st.印.SEIRYOKU, c.勢力表示) << c.後;
        EXPECT_EQ(背景の印(), "----煉") << c.後;
        EXPECT_TRUE(st.印.SIDOU) << c.後;
        EXPECT_EQ(ファイル(), 四行 + c.後) << "read, not rewritten";
    }
}

TEST_F(環境設定, 書込は印から決まった順に一行ずつ書く) {
    st.印 = 印なし();
    st.印.UCHU = true;
    st.印.KEIKA = true;
    書込_環境設定ファイル(dir.場所(), st);
    EXPECT_EQ(ファイル(),
              "背景画=宇宙\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示="
              "OFF\r\n");

    st.印 = 印なし();
    st.印.SIDOU = st.印.BGM = st.印.SEIRYOKU = st.印.KIFULIST = true;
    書込_環境設定ファイル(dir.場所(), st);
    EXPECT_EQ(
        ファイル(),
        "移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n表示倍率=100\r\n勢力表示=ON\r\n棋譜ﾘｽﾄ=ON\r\n");
    st.印 = 設定状態{}.印;
    読む();
    EXPECT_TRUE(st.印.KIFULIST) << "read back";

    // With two checks, the first in the order 緑, 竹, 畳, 宇宙, 煉瓦 is written.
    st.印.RENGA = st.印.TAKE = st.印.TATAMI = true;
    EXPECT_EQ(環境設定の行(st.印).front(), "背景画=竹");
}

TEST_F(環境設定, 書込に失敗すると緑と音楽ありの既定を書いて印を合わせる) {
    st.印 = 印なし();
    st.印.RENGA = true;
    st.印.表示倍率 = 表示倍率_合わせる;
    背景画番号 = 6;
    st.移動指導フラグ = 1;
    st.指導色 = 15;
    {
        // The file wanted (69 bytes) does not fit; the shorter defaults (65 bytes) do.
        test::棋譜試験::書込上限 full(67);
        書込_環境設定ファイル(dir.場所(), st);
    }
    // The zoom chosen is kept.
    EXPECT_EQ(ファイル(),
              "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n表示倍率=合わせる\r\n");
    EXPECT_EQ(st.印.表示倍率, 表示倍率_合わせる);
    EXPECT_EQ(背景の印(), "緑----");
    EXPECT_FALSE(st.印.SIDOU);
    EXPECT_TRUE(st.印.KEIKA);
    EXPECT_TRUE(st.印.BGM);
    // Only the menus follow: number, guidance and colour stay.
    EXPECT_EQ(背景画番号, 6);
    EXPECT_EQ(st.移動指導フラグ, 1);
    EXPECT_EQ(st.指導色, 15);
}

TEST_F(環境設定, 何も書けなければ選んだ設定はそのまま残る) {
    st.印 = 印なし();
    st.印.UCHU = true;
    const オプション印 before = st.印;
    {
        test::棋譜試験::書込上限 full(0);
        書込_環境設定ファイル(dir.場所(), st);
    }
    EXPECT_EQ(dir.一覧(), "");
    EXPECT_EQ(背景の印(), "---宇-");
    EXPECT_EQ(st.印.BGM, before.BGM);
    書込_環境設定ファイル(dir.中("gone"), st);
    EXPECT_EQ(背景の印(), "---宇-");
}

TEST_F(環境設定, 読み取り専用のフォルダでは設定はそのまま残る) {
    ASSERT_EQ(::chmod(dir.場所().c_str(), 0555), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        st.印 = 印なし();
        st.印.TAKE = true;
        書込_環境設定ファイル(dir.場所(), st);
        return 背景の印() == "--竹--" && !st.印.BGM && !st.印.KEIKA;
    });
    test::棋譜試験::一般利用者で確かめる([&] {
        // At start-up the reading defaults still apply, though they cannot be kept.
        読む();
        return 背景画番号 == 4 && 背景の印() == "--竹--" && st.印.KEIKA && !st.印.BGM;
    });
    EXPECT_EQ(dir.一覧(), "");
}

// A settings file of `size` bytes made of one line over and over, produced as it is read;
// counts the bytes handed out.
class 長い設定 final : public 行入力 {
public:
    長い設定(std::string line, size_t size) : line_(std::move(line)), size_(size) {}
    size_t 渡した = 0;

protected:
    long 読む(char* buf, size_t n) override {
        const size_t k = std::min(n, size_ - 渡した);
        for (size_t i = 0; i < k; ++i) buf[i] = line_[(渡した + i) % line_.size()];
        渡した += k;
        return static_cast<long>(k);
    }

private:
    std::string line_;
    size_t size_;
};

TEST_F(環境設定, 百メガの設定も先頭の上限までしか読まない) {
    長い設定 in("BGM=ON\r\n", 100'000'000);
    読込_環境設定(in, st, 背景画番号, bg, music);
    EXPECT_LE(in.渡した, 環境設定の上限 + 1);
    EXPECT_EQ(music.操作.size(), 1u);  // once, however often the line repeats
    EXPECT_TRUE(st.印.BGM);
}

TEST_F(環境設定, 上限をまたぐ行は読まず上限で終わる行は読む) {
    const struct {
        size_t 前置き;  // bytes of comment lines before "BGM=ON\r\n"
        bool 鳴る;
    } cases[] = {
        {環境設定の上限 - 8, true}, {環境設定の上限 - 7, false}, {環境設定の上限 - 4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.前置き);
        st = {};
        music.操作.clear();
        dir.置く(環境設定ファイル名,
                 std::string(c.前置き - 2, '#') + "\r\nBGM=ON\r\n経過時間=ON\r\n");
        読む();
        EXPECT_EQ(st.印.BGM, c.鳴る);
        EXPECT_EQ(music.操作.size(), c.鳴る ? 1u : 0u);
        // Beyond the limit; a file with no known line read counts as none: the defaults.
        EXPECT_EQ(st.印.KEIKA, !c.鳴る);
    }
}

TEST_F(環境設定, 上限より大きいファイルも読めたものとして書き換えない) {
    const std::string head = SJIS("背景画=煉瓦\r\nBGM=ON\r\n");
    dir.置く(環境設定ファイル名, head);
    ASSERT_EQ(::truncate(dir.中(環境設定ファイル名).c_str(), 100'000'000), 0);  // zeros, sparse
    読む();
    EXPECT_EQ(背景画番号, 6);
    EXPECT_EQ(music.操作, std::vector<std::string>{"ループ再生"});
    EXPECT_EQ(std::filesystem::file_size(dir.中(環境設定ファイル名)), 100'000'000u);
}

TEST_F(環境設定, シンボリックリンクの設定ファイルはリンク先に書きリンクは残る) {
    std::filesystem::create_directory(dir.中("conf"));
    std::filesystem::create_symlink("conf/shogi.ini", dir.中(環境設定ファイル名));
    st.印 = 印なし();
    st.印.UCHU = true;
    書込_環境設定ファイル(dir.場所(), st);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.中(環境設定ファイル名)));
    EXPECT_EQ(SJISから変換(dir.読む("conf/shogi.ini")).value_or("?"),
              "背景画=宇宙\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n表示倍率=100\r\n勢力表示="
              "OFF\r\n");
    EXPECT_EQ(dir.一覧(), std::string(環境設定ファイル名) + " conf");
    読む();  // and read through it
    EXPECT_EQ(背景画番号, 5);
}

TEST_F(環境設定, 書き込み禁止の設定ファイルは書き換えず印もそのまま) {
    置く("背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n");
    ASSERT_EQ(::chmod(dir.中(環境設定ファイル名).c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.場所().c_str(), 0777), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        st.印 = 印なし();
        st.印.TAKE = true;
        書込_環境設定ファイル(dir.場所(), st);
        return 背景の印() == "--竹--" && !st.印.BGM && !st.印.KEIKA;
    });
    // Unreadable as well: the reading defaults apply but are not written over it.
    ASSERT_EQ(::chmod(dir.中(環境設定ファイル名).c_str(), 0000), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        読む();
        return 背景画番号 == 4 && 背景の印() == "--竹--" && !st.印.BGM;
    });
    ASSERT_EQ(::chmod(dir.中(環境設定ファイル名).c_str(), 0644), 0);
    EXPECT_EQ(ファイル(), "背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n");
    EXPECT_EQ(dir.一覧(), 環境設定ファイル名);
}

}  // namespace
}  // namespace yukora
