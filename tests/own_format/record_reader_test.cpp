#include "own_format/record_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "own_format/record_content.h"
#include "own_format/record_line.h"
#include "support/board_fixtures.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

std::string SJIS(const std::string& utf8) { return SJISへ変換(utf8).value(); }

// An entry line of the starting position with the clocks given.
std::string 項目行(float man = 0, float com = 0) {
    手順記録 e;
    e.盤 = test::初期局面().盤;
    e.MAN時間後 = man;
    e.COM時間後 = com;
    return 書式_棋譜行(e) + "\r\n";
}

const std::string 見出し = SJIS("名局\r\n上の人\r\n下の人\r\n");

using Texts = std::vector<std::string>;

class 棋譜読込 : public ::testing::Test {
protected:
    test::棋譜試験::一時フォルダ dir;
    手順リスト list;
    棋譜読込結果 r;

    void 読む(const std::string& name) { r = 読込_棋譜(dir.場所(), name, list); }
    void データなし() const {
        EXPECT_EQ(r.知らせ, Texts{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
        EXPECT_EQ(r.項目数, 0);
    }
};

TEST_F(棋譜読込, 見出しと項目を読み進めるよう伝える) {
    dir.置く("a.棋譜", 見出し + 項目行(3, 0) + 項目行(3, 8));
    読む("a.棋譜");
    EXPECT_EQ(r.知らせ, (Texts{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(r.見出し, (Texts{"名局", "上の人", "下の人"}));
    EXPECT_EQ(r.項目数, 2);
    EXPECT_EQ(list.参照(1).MAN時間後, 3.0f);
    EXPECT_EQ(list.参照(2).COM時間後, 8.0f);
}

TEST_F(棋譜読込, 見出しだけの棋譜と空のファイルにはデータがない) {
    dir.置く("a.棋譜", 見出し);
    読む("a.棋譜");
    データなし();
    EXPECT_EQ(r.見出し.size(), 3u);

    dir.置く("empty.棋譜", "");
    読む("empty.棋譜");
    データなし();
    EXPECT_TRUE(r.見出し.empty());
}

TEST_F(棋譜読込, 読めないわけをそれぞれの言葉で伝え新しい対局のまま) {
    std::filesystem::create_directory(dir.中("folder.棋譜"));
    ASSERT_EQ(::mkfifo(dir.中("pipe.棋譜").c_str(), 0600), 0);  // no writer: must not block
    std::filesystem::create_symlink("/dev/null", dir.中("device.棋譜"));
    std::filesystem::create_symlink("/proc/self/mem", dir.中("error.棋譜"));  // EIO at 0
    std::filesystem::create_symlink("gone.棋譜", dir.中("dangling.棋譜"));
    dir.置く("utf8.棋譜", "第一局\r\n上\r\n下\r\n" + 項目行());
    dir.置く("binary.棋譜", "\x80\xff\r\n" + 見出し.substr(見出し.find('\n') + 1) + 項目行());
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"none.棋譜", "棋譜ﾌｧｲﾙが見つかりません"},
        {"dangling.棋譜", "棋譜ﾌｧｲﾙが見つかりません"},
        {"", "棋譜ﾌｧｲﾙが見つかりません"},
        {"..", "棋譜ﾌｧｲﾙが見つかりません"},
        {"../x.棋譜", "棋譜ﾌｧｲﾙが見つかりません"},
        {"folder.棋譜", "普通のﾌｧｲﾙではないので読み込めません"},
        {"pipe.棋譜", "普通のﾌｧｲﾙではないので読み込めません"},
        {"device.棋譜", "普通のﾌｧｲﾙではないので読み込めません"},
        {"error.棋譜", "棋譜ﾌｧｲﾙの読み込み中にｴﾗｰが起きました"},
        {"utf8.棋譜", "棋譜ﾌｧｲﾙがShift-JISではありません\n\nUTF-8で書かれているようです"},
        {"binary.棋譜", "棋譜ﾌｧｲﾙがShift-JISではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        読む(c.name);
        EXPECT_EQ(r.知らせ, Texts{c.text});
        EXPECT_EQ(r.項目数, 0);
    }
}

TEST_F(棋譜読込, 読む権限のない棋譜はそう伝える) {
    dir.置く("secret.棋譜", 見出し + 項目行());
    ASSERT_EQ(::chmod(dir.中("secret.棋譜").c_str(), 0200), 0);
    test::棋譜試験::一般利用者で確かめる([&] {
        読む("secret.棋譜");
        return r.項目数 == 0 && r.知らせ == Texts{"棋譜ﾌｧｲﾙを読む権限がありません"};
    });
}

TEST_F(棋譜読込, ShiftJISでない項目の前までを読みそう伝えて進めさせる) {
    dir.置く("bad-entry.棋譜", 見出し + 項目行(5) + 項目行(6) + "\xa0\xa0\r\n" + 項目行(7));
    読む("bad-entry.棋譜");
    EXPECT_EQ(r.知らせ, (Texts{"2手まで読み込みました\n\n3手目にShift-JISでない文字があります",
                               "棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(r.項目数, 2);
    EXPECT_EQ(list.参照(1).MAN時間後, 5.0f);
    EXPECT_EQ(list.参照(2).MAN時間後, 6.0f);
}

TEST_F(棋譜読込, とても長い行は上限まで読み二バイト文字の途中では切らない) {
    std::string title = "a";
    for (int i = 0; i < 3000; ++i) title += SJIS("将");
    dir.置く("a.棋譜", title + "\r\n" + std::string(1'000'000, ' ') + "\r\nx\r\n" + 項目行(1) +
                           std::string(100'000, '9') + "\r\n");
    読む("a.棋譜");
    ASSERT_EQ(r.項目数, 2);
    ASSERT_EQ(r.見出し.size(), 3u);
    EXPECT_EQ(文字数(r.見出し[0]), 1 + 2047);
    EXPECT_EQ(r.見出し[1].size(), 行の上限);
    EXPECT_EQ(list.参照(1).MAN時間後, 1.0f);
    EXPECT_EQ(list.参照(2).盤, 盤型{});  // "9999" is no piece
}

TEST_F(棋譜読込, 上限より多い項目は読まずそう伝え上限ちょうどなら全部読んだと伝える) {
    const std::string line = 項目行(2);
    for (const int extra : {0, 3}) {
        SCOPED_TRACE(extra);
        std::string bytes = 見出し;
        bytes.reserve(bytes.size() + line.size() * (棋譜項目の上限 + 3));
        for (int i = 0; i < 棋譜項目の上限 + extra; ++i) bytes += line;
        dir.置く("long.棋譜", bytes);
        読む("long.棋譜");
        EXPECT_EQ(r.項目数, 棋譜項目の上限);
        EXPECT_EQ(list.参照(棋譜項目の上限).MAN時間後, 2.0f);
        ASSERT_EQ(r.知らせ.size(), 2u);
        EXPECT_EQ(r.知らせ[0], extra == 0 ? " 読み込みました"
                                          : "20000手まで読み込みました\n\n"
                                            "20000手を超える分は読み込めません");
    }
}

// Bytes from memory that fail to read once `good` bytes were handed out.
class 途中で読めない入力 final : public 行入力 {
public:
    途中で読めない入力(std::string bytes, size_t good) : bytes_(std::move(bytes)), good_(good) {}

protected:
    long 読む(char* buf, size_t n) override {
        if (pos_ >= good_) {
            errno = EIO;
            return -1;
        }
        const size_t k = std::min({n, good_ - pos_, bytes_.size() - pos_});
        std::memcpy(buf, bytes_.data() + pos_, k);
        pos_ += k;
        return static_cast<long>(k);
    }

private:
    std::string bytes_;
    size_t good_, pos_ = 0;
};

TEST(棋譜内容, 読込エラーの前までの項目を残しどこで止まったかを伝える) {
    const std::string bytes = 見出し + 項目行(1) + 項目行(2) + 項目行(3);
    const struct {
        size_t good;  // bytes readable before the error
        int 項目数;
        std::vector<std::string> 知らせ;
    } cases[] = {
        {見出し.size() + 項目行().size() * 2 + 10,
         2,
         {"2手まで読み込みました\n\n3手目で読み込みｴﾗｰが起きました", "棋譜を '進 'で進めて下さい"}},
        {見出し.size() - 1, 0, {"棋譜ﾌｧｲﾙの読み込み中にｴﾗｰが起きました"}},
        {bytes.size() + 1, 3, {" 読み込みました", "棋譜を '進 'で進めて下さい"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.good);
        途中で読めない入力 in(bytes, c.good);
        手順リスト list;
        const 棋譜内容 read = 読込_棋譜内容(in, list);
        EXPECT_EQ(read.項目数, c.項目数);
        if (c.項目数 > 0) {
            EXPECT_EQ(list.参照(c.項目数).MAN時間後, static_cast<float>(c.項目数));
        }
        EXPECT_EQ(棋譜読込の知らせ(開く結果::開いた, read), c.知らせ);
    }
}

TEST_F(棋譜読込, 表にない駒コードと数でない欄は空き桝になりLFだけの行も読む) {
    std::string entry = 項目行();
    entry.replace(0, 4, " 999");  // x 1, y 1
    entry.replace(4, 4, "ab12");  // x 1, y 2
    entry.replace(8, 4, "-111");  // x 1, y 3
    entry.replace(entry.size() - 2, 2, "\n");
    dir.置く("a.棋譜", "t\nu\nv\n" + entry);
    読む("a.棋譜");
    ASSERT_EQ(r.項目数, 1);
    EXPECT_EQ(list.参照(1).盤[1][1], 0);
    EXPECT_EQ(list.参照(1).盤[1][2], 0);
    EXPECT_EQ(list.参照(1).盤[1][3], 0);
    EXPECT_EQ(list.参照(1).盤[1][7], -歩);
}

}  // namespace
}  // namespace yukora
