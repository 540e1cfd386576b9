// The panel right of the board for going over a game: the move list above, the graph below.
// Hidden while neither is wanted, so that the classic window stays as it was.
#pragma once
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "review/review_port.h"
#include "window/review/move_table.h"
#include "window/review/score_graph_widget.h"

namespace yukora::window {

// The panel's width at 100 %, in logical pixels; it grows with the zoom.
inline constexpr int 側板の幅 = 250;

class 棋譜側板 final : public QWidget, public 棋譜リストの窓 {
public:
    explicit 棋譜側板(QWidget* parent = nullptr);

    void 棋譜リスト表示(bool on) override;
    void 行を映す(const 棋譜の行一覧& rows) override;
    void 形勢を映す(const std::vector<形勢点>& points, int 表示中) override;
    void 検討を映す(const std::vector<std::string>& lines) override;
    void 解析の進み(int done, int total) override;
    void コメントを映す(bool shown, bool editable, const std::string& text) override;
    void 変化を映す(const std::vector<std::string>& moves) override;

    // The width and the texts at `zoom` times their size at 100 %.
    void 倍率設定(qreal zoom);
    // Whether the panel is wanted: it shows with the window.
    bool 要る() const {
        return リスト_ || !グラフ_->点().empty() || !検討_->isHidden() || !進み_->isHidden();
    }

    手の表& 表() { return *表_; }
    形勢グラフ部品& グラフ() { return *グラフ_; }
    QListWidget& 検討() { return *検討_; }
    QPlainTextEdit& コメント() { return *コメント_; }
    QComboBox& 変化() { return *変化_; }
    QProgressBar& 進み() { return *進み_; }

    // A row or a point clicked: the position after that many moves.
    std::function<void(int)> 行選択;
    // The person edited the comment shown: its whole new text.
    std::function<void(const std::string&)> コメント変更;
    // Another line of play was chosen for the shown move: branch `k` (1..) of it.
    std::function<void(int)> 変化選択;
    // 中止 of 棋譜解析 was pressed.
    std::function<void()> 解析中止;
    // The panel came or went: the window's size follows.
    std::function<void()> 見え方変更;

private:
    void 見え方を合わせる();
    手の表* 表_;
    形勢グラフ部品* グラフ_;
    QListWidget* 検討_;
    QPlainTextEdit* コメント_;
    QLabel* 変化の題_;
    QComboBox* 変化_;
    QProgressBar* 進み_;
    QPushButton* 中止_;
    QFont 元の書体_;
    bool リスト_ = false;
    bool コメントあり_ = false;
    bool 変化あり_ = false;
    bool 映し中_ = false;  // the text is being set, not typed
};

}  // namespace yukora::window
