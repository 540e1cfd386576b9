// The computer's turn in the order its steps reach the screen, the clocks, the sound and the
// boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "display/grid.h"
#include "flow/journal_ports.h"
#include "influence/survey.h"
#include "rules/mate.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::進行試験::日誌;

// A game against the computer with the computer (top side, 1) to move, and the journal lines
// of a blink.
class 手番台 {
public:
    test::進行試験::日誌台 t;

    void 始める(const 局面& start) {
        ゲーム状態& g = t.st();
        g.盤面 = start;
        g.進行.番.対局モード = 1;
        g.進行.番.MAN番 = -1;
        g.進行.番.COM番 = 1;
        g.進行.番.手番 = 1;
        g.進行.時間.経過秒 = 99;  // left from an earlier turn: the move is charged its own time
        g.進行.時間.COM時間 = 30;
        // From the turn's start to its move the time is read ten times in the first test: at
        // the start, at the clock tick of each origin column, at the move. 12.5 seconds.
        t.clock.刻み = 1.25f;
        勢力調査(g.盤面, g.勢力);
        t.記録.clear();
    }
    void 指させる() { t.game->com_ban(); }
    const 進行状態& s() { return t.st().進行; }
    const 局面& p() { return t.st().盤面; }

    日誌 描画_駒点滅(int code, int x, int y, int times) {
        return t.描くもの([&](表示& d) { d.描画_駒点滅(code, x, y, times); });
    }
};

// What a person sees and hears, in order. Texts in white, the pieces of one caption read as
// one ("３四歩"), a clock's figures as "時計"; pictures of pieces and empty squares with their
// square; coloured outlines ("枠15 7 4"); background tiles as "背景", a run of them once; the
// screen shown at once, the pauses, sounds, boxes and the timer switched. Shadows and the
// black outlines of the grid are left out.
日誌 見えるもの(const 日誌& journal) {
    日誌 out;
    bool 文字の続き = false;
    for (const std::string& line : journal) {
        std::istringstream in(line);
        std::string kind, name;
        int X = 0, Y = 0, colour = 0, size = 0;
        in >> kind;
        std::string seen = line;
        if (kind == "文字") {
            in >> X >> Y >> size >> colour >> std::ws;
            std::getline(in, seen);
            if (colour != 15) continue;
            if (seen.size() == 8 && seen[2] == ':' && seen[5] == ':') {
                seen = "時計";
            } else if (文字の続き) {
                out.back() += seen;
                continue;
            }
        } else if (kind == "絵") {
            in >> name >> X >> Y;
            seen = name.starts_with("HAIKEI_") ? "背景"
                                               : name + " " + std::to_string((X - 盤原点X) / 桝幅) +
                                                     " " + std::to_string((Y - 盤原点Y) / 桝高);
        } else if (kind == "輪郭") {
            in >> colour >> X >> Y;
            if (colour == 0) continue;
            seen = "枠" + std::to_string(colour) + " " + std::to_string((X - 盤原点X) / 桝幅) +
                   " " + std::to_string((Y - 盤原点Y) / 桝高);
        } else if (kind == "太字" || kind == "地色絵") {
            continue;
        }
        文字の続き = kind == "文字" && seen != "時計";
        if (seen == "背景" && !out.empty() && out.back() == "背景") continue;
        out.push_back(seen);
    }
    return out;
}

TEST(COMの手番, 考えて指し記録し表示して手番を返す) {
    手番台 h;
    const 局面 start = test::初期局面();
    h.始める(start);
    h.指させる();

    // The notice, the clock moving on once per origin column (the hand is empty, so no drop
    // kinds), the move number, the pawn on 7三 blinking and stepping forward, the notice gone,
    // the pause and the sound, the caption, the destination outlined in white.
    日誌 want{"Timer1 on", "背景", "思考中", "表示更新"};
    for (int tick = 0; tick < 9; ++tick) want.insert(want.end(), {"背景", "時計", "表示更新"});
    want.insert(want.end(), {"背景", "1手目"});
    for (int blink = 0; blink < 2; ++blink)
        want.insert(want.end(), {"KARA_MASU 7 3", "表示", "待ち時間 0.2", "UE_HU(0) 7 3", "表示",
                                 "待ち時間 0.2"});
    want.insert(want.end(),
                {"KARA_MASU 7 3", "UE_HU(0) 7 4", "背景", "待ち時間 0.5", "効果音 駒打音.wav",
                 "Timer1 off", "背景", "３四歩", "枠15 7 4", "Timer1 on"});
    EXPECT_EQ(見えるもの(h.t.記録), want);

    EXPECT_EQ(h.s().数.手数, 1);
    EXPECT_EQ(h.s().数.手順番号, 1);
    EXPECT_EQ(h.s().番.手番, h.s().番.MAN番);
    EXPECT_FLOAT_EQ(h.s().時間.COM時間, 42.5f);
    EXPECT_EQ(h.t.st().手順.参照(0).盤, start.盤);  // the position before the move is recorded
    EXPECT_FLOAT_EQ(h.t.st().手順.参照(0).COM時間後, 42.5f);
    EXPECT_EQ(h.p().盤[7][3], 0);
    EXPECT_EQ(h.p().盤[7][4], 歩);
}

TEST(COMの手番, 経過時間が切ってあればタイマーは止まったまま) {
    手番台 h;
    h.始める(test::初期局面());
    h.t.st().設定.印.KEIKA = false;
    h.指させる();
    EXPECT_EQ(h.t.選ぶ("Timer1 o"), 日誌{"Timer1 off"});
    EXPECT_FALSE(h.t.timer.on);
}

// The computer's gold in hand mates with a drop on (5, 8): the human's own lances shut its king
// in, the pawn on (5, 7) protects the gold.
局面 金打ちで詰む局面() {
    return test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . L K L . . .
    )",
                      "g");
}

// The computer's gold on (1, 8) takes the human's king in the corner.
局面 王を取る局面() {
    return test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        l . . . . . . . .
        . . . . . . . . .
        . p . . . . . . .
        g . . . . . . . .
        K . . . . . . . .
    )");
}

// The computer's gold ends each game: a drop that mates, a drop that checks, the capture of the
// human's king. Each is announced after the sound, and only the capture ends the game.
TEST(COMの手番, 指した手を知らせて手番を返す) {
    const 局面 王手 = test::盤面(R"(
        . . . . . . . . k
        . . . . . . . . .
        . . . . p . . . .
        . . . . . . . . .
        . . . . K . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
    )",
                                 "g");
    const struct {
        const char* 名;
        局面 start;
        int x, y;  // where the gold ends
        const char* 知らせ;
        const char* 記譜;  // the caption, none after a win
    } cases[] = {
        {"mate", 金打ちで詰む局面(), 5, 8, "メッセージ [よし！!] [詰め ?]", "５八金"},
        {"check", 王手, 5, 4, "メッセージ [   ** 王手 **] []", "５四金"},
        // After the gold takes the king in the corner every square around is covered, which the
        // mate test would read as mate of the king that is no longer there.
        {"king taken", 王を取る局面(), 1, 9, "メッセージ [ｺﾝﾋﾟｭｰﾀの勝ちです] [終了]", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.名);
        手番台 h;
        h.始める(c.start);
        h.指させる();
        const bool 勝ち = c.記譜 == nullptr;
        EXPECT_EQ(h.p().盤[c.x][c.y], 金);
        EXPECT_EQ(h.s().番.手番, h.s().番.MAN番);
        EXPECT_EQ(h.s().番.勝者, 勝ち ? h.s().番.COM番 : 0);
        EXPECT_EQ(h.t.選ぶ("メッセージ"), 日誌{c.知らせ});
        // After the sound the announcement; the win wipes the last move's caption first and
        // stops there, the clock left off.
        日誌 tail{"背景", "待ち時間 0.5", "効果音 駒打音.wav", "Timer1 off"};
        if (勝ち) {
            tail.insert(tail.end(), {"背景", c.知らせ});
        } else {
            const std::string 枠 = "枠15 " + std::to_string(c.x) + " " + std::to_string(c.y);
            tail.insert(tail.end(), {c.知らせ, "背景", c.記譜, 枠, "Timer1 on"});
        }
        const 日誌 seen = 見えるもの(h.t.記録);
        ASSERT_GE(seen.size(), tail.size());
        EXPECT_EQ(日誌(seen.end() - static_cast<long>(tail.size()), seen.end()), tail);
        EXPECT_EQ(h.t.timer.on, !勝ち);
        EXPECT_EQ(h.s().数.手順番号, 1);
    }
}

TEST(COMの手番, 持駒を打つときは駒台の桝で点滅する) {
    手番台 h;
    h.始める(金打ちで詰む局面());
    h.指させる();
    EXPECT_EQ(h.p().COM持駒[持駒_金], 0);
    EXPECT_EQ(h.p().COM持駒数, 0);
    // The gold's hand slot, and that blink alone.
    EXPECT_GE(h.t.位置(h.描画_駒点滅(金, 敵持駒列, 敵持駒の行(持駒_金), 2)), 0);
    EXPECT_EQ(h.t.選ぶ("待ち時間 0.2").size(), 4u);
}

TEST(COMの手番, 王を取った後の局面は詰めに見える) {
    手番台 h;
    h.始める(王を取る局面());
    h.指させる();
    勢力地図 m;
    局面 left = h.p();
    勢力調査(left, m);
    EXPECT_EQ(詰めかMAN(left, m), 1);  // what the mate test says of the position left behind
}

// The computer's king is shut in by its own pawns and nothing of its own can move.
TEST(COMの手番, 指す手がなければ投了する) {
    手番台 h;
    const 局面 start = test::盤面(R"(
        . . . . . . . . K
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        p p . . . . . . .
        k p . . . . . . .
    )");
    h.始める(start);
    h.指させる();
    EXPECT_EQ(h.p().盤, start.盤);
    EXPECT_EQ(h.s().番.勝者, h.s().番.MAN番);
    EXPECT_EQ(h.s().数.手数, 0);
    EXPECT_EQ(h.s().数.手順番号, 0);
    EXPECT_EQ(h.t.選ぶ("メッセージ"), 日誌{"メッセージ [あなたの勝ちです] [終了]"});
    EXPECT_TRUE(h.t.選ぶ("待ち時間 0.2").empty());  // no blink
    EXPECT_FALSE(h.t.timer.on);
}

TEST(COMの手番, 終わった対局では何もしない) {
    手番台 h;
    const 局面 start = test::初期局面();
    h.始める(start);
    h.t.st().進行.番.勝者 = h.s().番.MAN番;
    h.指させる();
    EXPECT_TRUE(h.t.記録.empty());
    EXPECT_EQ(h.p().盤, start.盤);
    EXPECT_EQ(h.s().番.手番, 1);
}

}  // namespace
}  // namespace yukora
