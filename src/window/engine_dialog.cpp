#include "window/engine_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include "textfile/file_replace.h"

namespace yukora::window {
namespace {

constexpr const char* 題 = "ｴﾝｼﾞﾝ設定";

QString 文(const std::string& s) { return QString::fromStdString(s); }

QSpinBox* 数の欄(int max, int value, QWidget* parent) {
    auto* w = new QSpinBox(parent);
    w->setRange(0, max);
    w->setValue(value);
    return w;
}

}  // namespace

エンジン設定画面::エンジン設定画面(const std::string& folder, エンジン墓場& graveyard,
                                   QWidget* parent)
    : QDialog(parent), folder_(folder), graveyard_(graveyard), 設定_(読込_エンジン設定(folder)) {
    setWindowTitle(QString::fromUtf8(題));
    ファイルを選ぶ = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("ｴﾝｼﾞﾝの追加"));
    };
    一覧_ = new QListWidget(this);
    追加_ = new QPushButton(QStringLiteral("追加…"), this);
    auto* 削除 = new QPushButton(QStringLiteral("削除"), this);
    選択肢_ = new エンジン選択肢欄(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(選択肢_);
    scroll->setWidgetResizable(true);
    状況_ = new QLabel(this);
    対局_ = new QComboBox(this);
    相手_ = new QComboBox(this);
    持ち時間_ = 数の欄(600, 設定_.時間.持ち時間分, this);
    秒読み_ = 数の欄(3600, 設定_.時間.秒読み秒, this);
    加算_ = 数の欄(3600, 設定_.時間.加算秒, this);
    auto* game = new QFormLayout;
    game->addRow(QStringLiteral("対局するｴﾝｼﾞﾝ"), 対局_);
    game->addRow(QStringLiteral("ｴﾝｼﾞﾝ同士の相手"), 相手_);
    game->addRow(QStringLiteral("持ち時間 (分)"), 持ち時間_);
    game->addRow(QStringLiteral("秒読み (秒)"), 秒読み_);
    game->addRow(QStringLiteral("加算 (秒、0より大きいと秒読みの代わり)"), 加算_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* side = new QVBoxLayout;
    side->addWidget(追加_);
    side->addWidget(削除);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(一覧_, 1);
    top->addLayout(side);
    top->addWidget(scroll, 2);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(状況_);
    all->addLayout(game);
    all->addWidget(buttons);
    connect(追加_, &QPushButton::clicked, this, [this] { 追加(); });
    connect(削除, &QPushButton::clicked, this, [this] { this->削除(); });
    connect(一覧_, &QListWidget::currentRowChanged, this, [this](int row) { 選んだ(row); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (保存()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    刻み_.setInterval(刻みの間隔ms);
    connect(&刻み_, &QTimer::timeout, this, [this] {
        if (問い_) 問い_->時刻();
    });
    一覧を作る(0);
    resize(720, 480);
}

エンジン設定画面::~エンジン設定画面() { 問いを終える(); }

void エンジン設定画面::一覧を作る(int select) {
    const QSignalBlocker block(一覧_);
    一覧_->clear();
    for (const 登録エンジン& e : 設定_.一覧)
        一覧_->addItem(文(e.名前) + (e.作者.empty() ? QString() : " / " + 文(e.作者)));
    表示中_ = -1;
    一覧_->setCurrentRow(std::min(select, 一覧_->count() - 1));
    選んだ(一覧_->currentRow());
    対局欄を作る();
}

void エンジン設定画面::対局欄を作る() {
    対局_->clear();
    相手_->clear();
    相手_->addItem(QStringLiteral("COM"), 0);
    for (const 登録エンジン& e : 設定_.一覧) {
        対局_->addItem(文(e.名前), e.番号);
        相手_->addItem(文(e.名前), e.番号);
    }
    対局_->setCurrentIndex(std::max(0, 対局_->findData(設定_.対局エンジン)));
    相手_->setCurrentIndex(std::max(0, 相手_->findData(設定_.相手エンジン)));
}

// The form's values go back into the engine they belong to.
void エンジン設定画面::欄を覚える() {
    if (表示中_ >= 0 && 表示中_ < static_cast<int>(設定_.一覧.size()))
        設定_.一覧[static_cast<std::size_t>(表示中_)].値 = 選択肢_->変えた値();
}

void エンジン設定画面::選んだ(int row) {
    欄を覚える();
    表示中_ = -1;
    選択肢_->表示({}, {});
    if (row < 0 || row >= static_cast<int>(設定_.一覧.size())) return;
    const 登録エンジン& e = 設定_.一覧[static_cast<std::size_t>(row)];
    const auto it = 宣言_.find(e.パス);
    if (it == 宣言_.end()) return 問い合わせる(e.パス, false);
    選択肢_->表示(it->second, e.値);
    表示中_ = row;
}

void エンジン設定画面::追加() {
    const QString file = ファイルを選ぶ();
    if (file.isEmpty()) return;
    問い合わせる(QFileInfo(file).absoluteFilePath().toStdString(), true);
}

void エンジン設定画面::問い合わせる(const std::string& path, bool 加える) {
    問いを終える();
    問いのパス_ = path;
    加える_ = 加える;
    状況_->setText(QStringLiteral("ｴﾝｼﾞﾝに問い合わせています…"));
    追加_->setEnabled(false);
    エンジン対話の受け手& owner = *this;
    問い_ = std::make_unique<エンジン対話>(std::make_unique<Qtエンジンプロセス>(graveyard_), 時計_,
                                           owner);
    刻み_.start();
    問い_->起動(path, {}, false);
}

// Called from inside the conversation's report: it is ended and kept until the next query.
void エンジン設定画面::問いを終える() {
    if (!問い_) return;
    問い_->終える();
    退役_.push_back(std::move(問い_));
    刻み_.stop();
    追加_->setEnabled(true);
    if (退役_.size() > 1) 退役_.erase(退役_.begin(), 退役_.end() - 1);
}

void エンジン設定画面::識別できた(エンジン対話& e) {
    宣言_[問いのパス_] = e.選択肢();
    状況_->clear();
    if (加える_) {
        欄を覚える();
        int n = 1;
        for (const 登録エンジン& r : 設定_.一覧) n = std::max(n, r.番号 + 1);
        const std::string name =
            e.名前().empty() ? QFileInfo(文(問いのパス_)).fileName().toStdString() : e.名前();
        設定_.一覧.push_back({n, name, e.作者(), 問いのパス_, {}});
        if (設定_.対局エンジン == 0) 設定_.対局エンジン = n;
        問いを終える();
        一覧を作る(static_cast<int>(設定_.一覧.size()) - 1);
        return;
    }
    問いを終える();
    const int row = 一覧_->currentRow();
    if (row >= 0 && 設定_.一覧[static_cast<std::size_t>(row)].パス == 問いのパス_) 選んだ(row);
}

void エンジン設定画面::故障した(エンジン対話&, const エンジン故障& f) {
    const QString text = 文(故障の知らせ(f, QFileInfo(文(問いのパス_)).fileName().toStdString()));
    問いを終える();
    状況_->setText(text);
}

void エンジン設定画面::削除() {
    const int row = 一覧_->currentRow();
    if (row < 0 || row >= static_cast<int>(設定_.一覧.size())) return;
    表示中_ = -1;
    const int n = 設定_.一覧[static_cast<std::size_t>(row)].番号;
    設定_.一覧.erase(設定_.一覧.begin() + row);
    if (設定_.対局エンジン == n) 設定_.対局エンジン = 設定_.一覧.empty() ? 0 : 設定_.一覧[0].番号;
    if (設定_.相手エンジン == n) 設定_.相手エンジン = 0;
    一覧を作る(row);
}

bool エンジン設定画面::保存() {
    欄を覚える();
    設定_.対局エンジン = 対局_->currentData().toInt();
    設定_.相手エンジン = 相手_->currentData().toInt();
    設定_.時間 = {持ち時間_->value(), 秒読み_->value(), 加算_->value()};
    if (設定_.時間 == 持ち時間設定{0, 0, 0}) {
        QMessageBox::warning(
            this, QString::fromUtf8(題),
            QStringLiteral("持ち時間、秒読み、加算のどれかを0より大きくしてください"));
        return false;
    }
    if (const int err = 書込_エンジン設定(folder_, 設定_); err != 0) {
        QMessageBox::warning(
            this, QString::fromUtf8(題),
            QStringLiteral("engines.ini を書き込めません\n\n") + 文(書込エラー説明(err)));
        return false;
    }
    return true;
}

void Qtエンジン設定窓::開く(const std::string& folder) {
    エンジン設定画面 dialog(folder, graveyard_, parent_);
    if (表示中) QTimer::singleShot(0, &dialog, [this, &dialog] { 表示中(dialog); });
    dialog.exec();
}

}  // namespace yukora::window
