#include "window/review/move_table.h"

#include <QEvent>
#include <QHeaderView>

namespace yukora::window {
namespace {

// A move after which the mover's score fell is written red, with a mark.
const QColor 崩れの色(192, 0, 0);

}  // namespace

手の表::手の表(QWidget* parent) : QTableWidget(0, 3, parent) {
    setObjectName("KIFULIST_TABLE");
    setHorizontalHeaderLabels({"手数", "指し手", "消費"});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    // The keys step through the game, not through the table.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (行選択) 行選択(row);
    });
}

void 手の表::行を書く(int i, const 棋譜行& row) {
    const QString texts[] = {
        i == 0 ? QString() : QString::number(row.手数),
        QString::fromStdString(row.指し手) + (row.変化 ? " +" : "") + (row.崩れ ? " ？" : ""),
        QString::fromStdString(row.時間)};
    for (int c = 0; c < 3; ++c) {
        QTableWidgetItem* item = this->item(i, c);
        if (item == nullptr) setItem(i, c, item = new QTableWidgetItem);
        item->setText(texts[c]);
        item->setForeground(row.崩れ ? QBrush(崩れの色) : QBrush());
        if (c != 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void 手の表::映す(const 棋譜の行一覧& rows) {
    const int n = static_cast<int>(rows.行.size());
    setRowCount(n);
    for (int i = 0; i < n; ++i)
        if (i >= static_cast<int>(映した_.行.size()) || 映した_.行[i] != rows.行[i])
            行を書く(i, rows.行[i]);
    映した_ = rows;
    if (rows.表示中 < 0 || rows.表示中 >= n) {
        clearSelection();
        return;
    }
    selectRow(rows.表示中);
    表示中を見せる();
}

void 手の表::表示中を見せる() {
    if (映した_.表示中 >= 0 && 映した_.表示中 < rowCount())
        scrollTo(model()->index(映した_.表示中, 1));
}

void 手の表::changeEvent(QEvent* e) {
    QTableWidget::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    horizontalHeader()->setFont(font());
    verticalHeader()->setDefaultSectionSize(qRound(fontMetrics().height() * 1.4));
}

void 手の表::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    表示中を見せる();
}

}  // namespace yukora::window
