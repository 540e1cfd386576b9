// The display: the window's composition procedures, drawn through the screen port.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "display/influence_tint.h"
#include "game/board_view.h"
#include "game/clock_port.h"
#include "game/dialog_port.h"
#include "game/position.h"
#include "game/screen_port.h"
#include "game/sounds.h"
#include "game/state.h"

namespace yukora {

// The fixed texts the display prints: the labels of 描画_文字列.
inline constexpr int 文字列_手目 = 99;

// The label of a text code: -10..10 the handicap captions, 99 "手目"; empty otherwise.
std::string_view 文字列ラベル(int code);

// The parts of the full repaint that belong to the flow: the players' clocks and the
// strength and handicap captions.
class 再描画の付随 {
public:
    virtual ~再描画の付随() = default;
    virtual void 描画_所有時間(int side, float seconds) = 0;
    virtual void 描画_レベル(int n) = 0;
    virtual void 描画_ハンデレベル(int n) = 0;
};

struct 表示状態 {
    int 背景画番号 = 0;  // 2..6 once the settings are read; 0 tiles with the empty square
};

class 表示 final : public 盤描画, public 背景描画 {
public:
    表示(画面& screen, 時計& clock, const 局面& p, const 進行状態& s)
        : 画面_(screen), 時計_(clock), 局面_(p), 進行_(s) {}

    表示状態 状態;

    // The clocks and level captions of the full repaint; without them those steps are skipped.
    void 付随設定(再描画の付随* extras) { 付随_ = extras; }
    画面& 画面ポート() { return 画面_; }

    // Primitives.
    void 描画_絵(int code, double x, double y) override;
    void 描画_桝輪郭(int colour, double x, double y) override;
    void 描画_数値(double x, double y, int value, int colour, int kanji, int size);
    void 描画_数値(double x, double y, std::string_view text, int colour, int kanji, int size);
    void 描画_文字列(double x, double y, int code, int colour, int size);

    // The board, the hands and the repaint.
    void 画面_再描画() override;
    void 描画_背景(int n) override;
    void 描画_桝_数値();
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_自持盤() override;
    void 描画_敵持盤() override;
    void 描画_手数(int n, int colour = 15);
    void 描画_駒点滅(int code, int x, int y, int times);
    void 描画_移動可能桝色(int fx, int fy, int colour, int piece, int 移動指導フラグ);
    void 消去_思考中();
    void 描画_棋譜読込み部分消去();
    // Forwarded to the flow's handicap caption (nothing without it).
    void 描画_ハンデレベル(int n);

    // The influence display: with `on`, tints every square from a survey of a copy of the
    // position and shows both sides' counts; without it, none. Redraws the squares whose tint
    // changed and then every coloured outline, so marks on the board stay as they were.
    void 勢力地色を合わせる(bool on);
    // The tints the board is drawn with now.
    const 地色表& 地色() const { return 地色_; }
    // The colour of the outline last drawn around cell (x, y) of the board or of a hand stand,
    // 0 once a picture was drawn over it.
    int 輪郭色(int x, int y) const;

private:
    void 背景(double x, double y) { 描画_絵(状態.背景画番号, x, y); }
    void 勢力の数を描く(const 勢力地色& t, double x, double y);
    std::int8_t* 輪郭の記録(double x, double y);

    画面& 画面_;
    時計& 時計_;
    const 局面& 局面_;
    const 進行状態& 進行_;
    再描画の付随* 付随_ = nullptr;
    地色表 地色_{};
    // Outline colours of the whole cells from column -1 to 11 and row 0 to 10, [x + 1][y].
    std::array<std::array<std::int8_t, 11>, 13> 輪郭色_{};
};

// Refused in record mode. Otherwise rotates the board by half a turn with every piece changing
// owner, exchanges the hands, repaints, passes the turn and drops the move list.
void REVERSE_Click(局面& p, 進行状態& s, 表示& view, ダイアログ& dialog, 効果音& sound);

}  // namespace yukora
