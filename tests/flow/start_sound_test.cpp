// The start: the position painted first, then the sound opened and loaded, the music last.
#include <gtest/gtest.h>

#include "flow/flow_fakes.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

using sound_test::呼出;
using test::進行試験::試験台;
using 呼出列 = std::vector<呼出>;

// A game of its own on the bench's ports and folder, started by Form_Load alone, as the
// window starts it before its first paint.
struct 描画前 {
    explicit 描画前(const char* settings = nullptr) {
        if (settings != nullptr) {
            const auto bytes = SJISへ変換(settings);
            std::ofstream(t.フォルダ / "Yukora将棋1.ini", std::ios::binary) << bytes.value();
        }
        t.screen.消去();
        t.dialog.表示した.clear();
        game =
            std::make_unique<ゲーム>(ゲームの窓口{t.screen, t.clock, t.timer, t.dialog, t.menu,
                                                  t.panel, 音, t.browser, t.version, nullptr, 0});
        game->Form_Load(t.フォルダ);
    }
    試験台 t;
    sound_test::記録サウンドライブラリ 音;
    std::unique_ptr<ゲーム> game;
};

const 呼出列 効果音の読込 = {
    {"dsInitialize", 0}, {"dsCreateDSB", 7}, {"dsCreateDSB", 7}, {"dsCreateDSB", 7}};

TEST(開始, 盤を描いてから音を開き三つの効果音を一度だけ読む) {
    描画前 s;
    EXPECT_TRUE(s.音.呼出記録.empty());
    EXPECT_FALSE(s.t.screen.絞込("絵").empty());
    s.t.screen.消去();

    s.game->サウンド準備();
    EXPECT_EQ(s.音.呼出記録, 効果音の読込);
    EXPECT_EQ(s.音.フラグ, (std::vector<std::int32_t>{3, 3, 3}));
    EXPECT_TRUE(s.t.screen.呼出し.empty());
    EXPECT_TRUE(s.game->サウンド準備済み());

    s.game->サウンド準備();
    EXPECT_EQ(s.音.呼出記録.size(), 効果音の読込.size());
}

TEST(開始, BGMがONなら音楽は音の準備で読んで一度始める) {
    描画前 s("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\nBGM=ON\r\n");
    EXPECT_TRUE(s.t.menu.印あり(メニュー操作::BGM));
    EXPECT_TRUE(s.音.呼出記録.empty());

    s.game->サウンド準備();
    呼出列 expected = 効果音の読込;
    expected.insert(expected.end(), {{"dsCreateDSB", 7}, {"dsPlayLooping", 104}});
    EXPECT_EQ(s.音.呼出記録, expected);
    EXPECT_EQ(s.音.フラグ, (std::vector<std::int32_t>{3, 3, 3, 1}));
}

TEST(開始, 音楽は初めてBGMを入れたときに読み以後は止めて鳴らすだけ) {
    描画前 s;
    s.game->サウンド準備();
    s.音.呼出記録.clear();
    const 呼出列 expected[] = {
        {{"dsCreateDSB", 7}, {"dsPlayLooping", 104}}, {{"dsStop", 104}}, {{"dsPlayLooping", 104}}};
    for (const 呼出列& e : expected) {
        s.game->メニュー選択(メニュー操作::BGM);
        EXPECT_EQ(s.音.呼出記録, e);
        s.音.呼出記録.clear();
    }
    EXPECT_EQ(s.音.画像.size(), 4u);
}

TEST(開始, 音の準備より先の押下はまず音を開いてから断る) {
    描画前 s;
    s.game->マウス押下(ボタン_左, 1050 + 570 * 3 + 285, 100 + 660 * 7 + 330);
    呼出列 expected = 効果音の読込;
    expected.push_back({"dsPlay", 102});
    EXPECT_EQ(s.音.呼出記録, expected);
    EXPECT_EQ(s.t.dialog.表示した, (std::vector<std::string>{"開始: 「対局」で始めて下さい"}));
}

TEST(開始, 音が開けなければ盤を描いた後で一度だけ警告する) {
    描画前 s;
    s.音.初期化結果 = 0;
    EXPECT_TRUE(s.t.dialog.表示した.empty());
    s.game->サウンド準備();
    s.game->メニュー選択(メニュー操作::CANCEL);
    EXPECT_EQ(s.t.dialog.表示した,
              (std::vector<std::string>{
                  "Yukora将棋1.dll: Direct Soundインターフェースが作成できません。"}));
    EXPECT_TRUE(s.音.画像.empty());
}

TEST(開始, 音を開く前に窓を閉じれば音は開かない) {
    描画前 s;
    s.game->閉じる();
    s.game->サウンド準備();
    for (const 呼出& c : s.音.呼出記録) EXPECT_EQ(c.関数, "dsFree");
    EXPECT_FALSE(s.game->サウンド準備済み());
}

}  // namespace
}  // namespace yukora
