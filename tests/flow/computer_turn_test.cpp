// The computer's turn in the order its steps reach the screen, the clocks, the sound and the
// boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/grid.h"
#include "flow/journal_ports.h"
#include "influence/survey.h"
#include "record/notation.h"
#include "rules/mate.h"
#include "support/board_fixtures.h"

namespace yukora {
namespace {

using test::進行試験::日誌;

日誌 並べる(std::initializer_list<日誌> parts) {
    日誌 out;
    for (const 日誌& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A game against the computer with the computer (top side, 1) to move, and the journal lines
// each display procedure writes.
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

    日誌 消去_思考中() {
        return t.描くもの([](表示& d) { d.消去_思考中(); });
    }
    日誌 描画_数値(double x, double y, const char* text, int colour, int kanji, int size) {
        return t.描くもの(
            [&](表示& d) { d.描画_数値(x, y, std::string_view(text), colour, kanji, size); });
    }
    日誌 描画_桝輪郭(int colour, double x, double y) {
        return t.描くもの([&](表示& d) { d.描画_桝輪郭(colour, x, y); });
    }
    日誌 描画_手数(int n, int colour) {
        return t.描くもの([&](表示& d) { d.描画_手数(n, colour); });
    }
    日誌 描画_駒点滅(int code, int x, int y, int times) {
        return t.描くもの([&](表示& d) { d.描画_駒点滅(code, x, y, times); });
    }
    日誌 描画_移動結果(int side, int x, int y, int piece, int colour) {
        return t.描くもの(
            [&](表示& d) { yukora::描画_移動結果(d, s().番, side, x, y, piece, colour); });
    }
    日誌 消去_移動結果(int side) {
        return t.描くもの([&](表示& d) { yukora::消去_移動結果(d, s().番, side); });
    }
    // The computer's clock shown: its white figures left of the board.
    日誌 COMの時計() {
        return t.選ぶ("文字 " + std::to_string(桝のX(-1.6)) + " " + std::to_string(桝のY(9.2)) +
                      " 12 15 ");
    }
    // The journal's last lines, as many as `expected` holds.
    日誌 終わり(const 日誌& expected) {
        const size_t n = std::min(expected.size(), t.記録.size());
        return 日誌(t.記録.end() - static_cast<long>(n), t.記録.end());
    }
};

TEST(COMの手番, 考えて指し記録し表示して手番を返す) {
    手番台 h;
    const 局面 start = test::初期局面();
    h.始める(start);
    h.指させる();

    const 日誌 head = 並べる({{"Timer1 on"},
                              h.消去_思考中(),
                              h.描画_数値(-1.5, 8.5, "思考中", 0, 0, 12),
                              h.描画_数値(-1.6, 8.4, "思考中", 15, 0, 12),
                              h.描画_桝輪郭(0, 1, 8),
                              {"表示更新"}});
    EXPECT_EQ(日誌(h.t.記録.begin(), h.t.記録.begin() + static_cast<long>(head.size())), head);
    // One clock tick per origin column; the hand is empty, so no drop kinds.
    EXPECT_EQ(h.COMの時計().size(), 9u);

    EXPECT_EQ(h.s().数.手数, 1);
    EXPECT_EQ(h.s().数.手順番号, 1);
    EXPECT_EQ(h.s().番.手番, h.s().番.MAN番);
    EXPECT_FLOAT_EQ(h.s().時間.COM時間, 42.5f);
    EXPECT_EQ(h.t.st().手順.参照(0).盤, start.盤);  // the position before the move is recorded
    EXPECT_FLOAT_EQ(h.t.st().手順.参照(0).COM時間後, 42.5f);
    EXPECT_NE(h.p().盤, start.盤);
    EXPECT_TRUE(h.t.選ぶ("メッセージ").empty());

    // The move number, then the blink: the pawn on (7,3) steps forward.
    EXPECT_GE(h.t.位置(並べる({h.描画_手数(1, 15), h.描画_駒点滅(10, 7, 3, 2)})), 0);
    EXPECT_EQ(h.p().盤[7][4], 歩);
    // The pause and the sound, the notation, the outline.
    const 日誌 tail = 並べる({h.消去_思考中(),
                              {"待ち時間 0.5", "効果音 駒打音.wav", "Timer1 off"},
                              h.描画_移動結果(1, 7, 4, 10, 15),
                              h.描画_桝輪郭(15, 7, 4),
                              {"Timer1 on"}});
    EXPECT_EQ(h.終わり(tail), tail);
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
        bool 勝ち;
    } cases[] = {
        {"mate", 金打ちで詰む局面(), 5, 8, "メッセージ [よし！!] [詰め ?]", false},
        {"check", 王手, 5, 4, "メッセージ [   ** 王手 **] []", false},
        // After the gold takes the king in the corner every square around is covered, which the
        // mate test would read as mate of the king that is no longer there.
        {"king taken", 王を取る局面(), 1, 9, "メッセージ [ｺﾝﾋﾟｭｰﾀの勝ちです] [終了]", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.名);
        手番台 h;
        h.始める(c.start);
        h.指させる();
        EXPECT_EQ(h.p().盤[c.x][c.y], 金);
        EXPECT_EQ(h.s().番.手番, h.s().番.MAN番);
        EXPECT_EQ(h.s().番.勝者, c.勝ち ? h.s().番.COM番 : 0);
        EXPECT_EQ(h.t.選ぶ("メッセージ"), 日誌{c.知らせ});
        // The win wipes the last move's notation and stops there, the clock left off.
        const 日誌 after = c.勝ち ? 並べる({h.消去_移動結果(1), {c.知らせ}})
                                  : 並べる({{c.知らせ},
                                            h.描画_移動結果(1, c.x, c.y, 110, 15),
                                            h.描画_桝輪郭(15, c.x, c.y),
                                            {"Timer1 on"}});
        const 日誌 tail = 並べる({{"待ち時間 0.5", "効果音 駒打音.wav", "Timer1 off"}, after});
        EXPECT_EQ(h.終わり(tail), tail);
        EXPECT_EQ(h.t.timer.on, !c.勝ち);
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
