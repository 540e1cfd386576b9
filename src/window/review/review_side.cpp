#include "window/review/review_side.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "window/zoomed_text.h"

namespace yukora::window {

棋譜側板::棋譜側板(QWidget* parent)
    : QWidget(parent),
      表_(new 手の表(this)),
      グラフ_(new 形勢グラフ部品(this)),
      検討_(new QListWidget(this)),
      コメント_(new QPlainTextEdit(this)),
      変化の題_(new QLabel("変化", this)),
      変化_(new QComboBox(this)),
      進み_(new QProgressBar(this)),
      中止_(new QPushButton("中止", this)),
      元の書体_(font()) {
    setObjectName("KIFULIST_PANEL");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(表_, 3);
    auto* branch = new QHBoxLayout;
    branch->addWidget(変化の題_);
    branch->addWidget(変化_, 1);
    layout->addLayout(branch);
    layout->addWidget(コメント_, 1);
    layout->addWidget(検討_, 1);
    layout->addWidget(グラフ_, 2);
    auto* progress = new QHBoxLayout;
    progress->addWidget(進み_, 1);
    progress->addWidget(中止_);
    layout->addLayout(progress);
    進み_->setObjectName("KAISEKI_PROGRESS");
    進み_->setFormat("解析 %v/%m");
    中止_->setFocusPolicy(Qt::NoFocus);
    connect(中止_, &QPushButton::clicked, this, [this] {
        if (解析中止) 解析中止();
    });
    進み_->hide();
    中止_->hide();
    検討_->setObjectName("KENTOU_LINES");
    検討_->setFocusPolicy(Qt::NoFocus);
    検討_->setWordWrap(true);
    検討_->hide();
    変化_->setObjectName("HENKA");
    変化_->setFocusPolicy(Qt::NoFocus);
    変化_->hide();
    変化の題_->hide();
    // The first item is the move shown; choosing another replays that line.
    connect(変化_, &QComboBox::activated, this, [this](int k) {
        if (k > 0 && 変化選択) 変化選択(k);
    });
    コメント_->setObjectName("KIFU_COMMENT");
    コメント_->setPlaceholderText("コメント");
    コメント_->hide();
    connect(コメント_, &QPlainTextEdit::textChanged, this, [this] {
        if (!映し中_ && コメント変更) コメント変更(コメント_->toPlainText().toStdString());
    });
    表_->行選択 = [this](int i) {
        if (行選択) 行選択(i);
    };
    グラフ_->点選択 = [this](int i) {
        if (行選択) 行選択(i);
    };
    表_->hide();
    グラフ_->hide();
    hide();
    倍率設定(1.0);
}

void 棋譜側板::倍率設定(qreal zoom) {
    setFont(倍率の書体(元の書体_, zoom));
    setFixedWidth(qRound(側板の幅 * zoom));
}

void 棋譜側板::棋譜リスト表示(bool on) {
    リスト_ = on;
    表_->setVisible(on);
    コメント_->setVisible(on && コメントあり_);
    変化_->setVisible(on && 変化あり_);
    変化の題_->setVisible(on && 変化あり_);
    見え方を合わせる();
}

void 棋譜側板::行を映す(const 棋譜の行一覧& rows) { 表_->映す(rows); }

void 棋譜側板::コメントを映す(bool shown, bool editable, const std::string& text) {
    コメントあり_ = shown;
    コメント_->setVisible(リスト_ && shown);
    コメント_->setReadOnly(!editable);
    const QString q = QString::fromStdString(text);
    if (q == コメント_->toPlainText()) return;
    映し中_ = true;
    コメント_->setPlainText(q);
    映し中_ = false;
}

void 棋譜側板::変化を映す(const std::vector<std::string>& moves) {
    変化あり_ = moves.size() > 1;
    変化_->clear();
    for (const std::string& m : moves) 変化_->addItem(QString::fromStdString(m));
    変化_->setVisible(リスト_ && 変化あり_);
    変化の題_->setVisible(リスト_ && 変化あり_);
}

void 棋譜側板::形勢を映す(const std::vector<形勢点>& points, int 表示中) {
    グラフ_->映す(points, 表示中);
    グラフ_->setVisible(!points.empty());
    見え方を合わせる();
}

void 棋譜側板::検討を映す(const std::vector<std::string>& lines) {
    検討_->clear();
    for (const std::string& line : lines) 検討_->addItem(QString::fromStdString(line));
    検討_->setVisible(!lines.empty());
    見え方を合わせる();
}

void 棋譜側板::解析の進み(int done, int total) {
    進み_->setRange(0, std::max(total, 1));
    進み_->setValue(done);
    進み_->setVisible(total > 0);
    中止_->setVisible(total > 0);
    見え方を合わせる();
}

void 棋譜側板::見え方を合わせる() {
    if (要る() == !isHidden()) return;
    setVisible(要る());
    if (見え方変更) 見え方変更();
}

}  // namespace yukora::window
