// The move list beside the board: one row a position, the shown one selected and in view.
#pragma once
#include <QTableWidget>
#include <functional>

#include "review/move_rows.h"

namespace yukora::window {

class 手の表 final : public QTableWidget {
public:
    explicit 手の表(QWidget* parent = nullptr);
    // Only the rows that changed are written again.
    void 映す(const 棋譜の行一覧& rows);
    // A row clicked: the position after that many moves.
    std::function<void(int)> 行選択;

protected:
    // The shown row stays in view when the table grows shorter.
    void resizeEvent(QResizeEvent* e) override;
    // The headers and the rows' height follow the panel's text size (the zoom).
    void changeEvent(QEvent* e) override;

private:
    void 表示中を見せる();
    void 行を書く(int i, const 棋譜行& row);
    棋譜の行一覧 映した_;
};

}  // namespace yukora::window
