// What the window shows beside the board for going over a game: the move list and the graph.
#pragma once
#include <string>
#include <vector>

#include "review/move_rows.h"
#include "review/score_graph.h"

namespace yukora {

class 棋譜リストの窓 {
public:
    virtual ~棋譜リストの窓() = default;
    // The move list beside the board, or the classic window without it.
    virtual void 棋譜リスト表示(bool on) = 0;
    virtual void 行を映す(const 棋譜の行一覧& rows) = 0;
    // The evaluation graph with the position shown; no points hide it.
    virtual void 形勢を映す(const std::vector<形勢点>& points, int 表示中) = 0;
    // The lines of 検討 while it runs; none hide them.
    virtual void 検討を映す(const std::vector<std::string>& lines) = 0;
    // 棋譜解析 has scored `done` of `total` positions; a total of 0 hides the progress.
    virtual void 解析の進み(int done, int total) = 0;
    // The comment of the shown move under the list, lines split by '\n'; `editable` while the
    // move is one of the loaded record's. Hidden when no KIF, KI2 or CSA record was loaded.
    virtual void コメントを映す(bool shown, bool editable, const std::string& text) = 0;
    // The shown move and the other moves the record has instead of it ("▲２六歩(27)"), to
    // choose a line of play from; none hide the choice.
    virtual void 変化を映す(const std::vector<std::string>& moves) = 0;
};

}  // namespace yukora
