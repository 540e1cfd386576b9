#include "window/app.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSessionManager>
#include <QUrl>

#include "dynamic_sound_library.h"
#include "window/pictures/art.h"

namespace yukora::window {

窓アプリ::窓アプリ(qreal dpr, std::filesystem::path folder,
                   std::unique_ptr<サウンドライブラリ> sound)
    : 窓アプリ(dpr,
               置き場{folder, 動的サウンドライブラリ::既定のパス().parent_path(), folder, folder,
                      false, folder},
               std::move(sound)) {}

窓アプリ::窓アプリ(qreal dpr, const 置き場& places, std::unique_ptr<サウンドライブラリ> sound)
    : 置き場_(places),
      画像_(dpr),
      窓_(画像_),
      ダイアログ_(&窓_),
      デスクトップ_(&窓_, places.棋譜),
      版情報_(&窓_),
      音_(sound ? std::move(sound)
                : std::make_unique<動的サウンドライブラリ>(places.ライブラリ /
                                                           動的サウンドライブラリ::ファイル名())),
      エンジン設定_(&窓_, 墓場_),
      エンジン窓口_{[this] { return std::make_unique<Qtエンジンプロセス>(墓場_); }, 経過_, 刻み_,
                    &エンジン設定_},
      パネル_(std::make_unique<棋譜パネル部品>(&窓_.キャンバス(), 置き場_.棋譜)),
      // A signal to end is the same as "終わり".
      シグナル_([this](int) { ゲーム_->OWARI_Click(); }) {
    時計_.再描画 = [this] { 窓_.キャンバス().repaint(); };
    // Once the position is on screen: the window's icon (drawn like a piece), then the sound
    // library with its audio libraries.
    窓_.キャンバス().初回描画後 = [this] {
        窓_.setWindowIcon(アイコンを作る());
        ゲーム_->サウンド準備();
    };
    ゲーム_ = std::make_unique<ゲーム>(
        ゲームの窓口{画像_, 時計_, タイマー_, ダイアログ_, 窓_, *パネル_, *音_, ブラウザ_, 版情報_,
                     [this] { 終わる(); }, static_cast<std::intptr_t>(窓_.winId()), &窓_,
                     &デスクトップ_, &エンジン窓口_, &窓_.側板()});
    タイマー_.時刻 = [this] { ゲーム_->Timer1_Timer(); };
    刻み_.時刻 = [this] { ゲーム_->エンジン時刻(); };
    パネル_->ファイル選択 = [this](const std::string& name) { ゲーム_->File1_Click(name); };
    パネル_->保存 = [this] { ゲーム_->Command1_Click(); };
    パネル_->ドライブ変更 = [this](bool readable) { return ゲーム_->Drive1_Change(readable); };
    窓_.受け手設定(ゲーム_.get());
    窓_.キャンバス().倍率変更 = [this] {
        パネル_->倍率設定(窓_.キャンバス().表示倍率(), 窓_.キャンバス().原点());
    };
    版情報_.倍率 = [this] { return 窓_.キャンバス().表示倍率(); };
    ダイアログ_.倍率 = [this] { return 窓_.部品の倍率(); };
    // Logging out: the game is kept before the session ends the program.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &窓_,
                     [this](QSessionManager&) { ゲーム_->セッション終了(); });
}

窓アプリ::~窓アプリ() {
    窓_.受け手設定(nullptr);
    窓_.キャンバス().倍率変更 = nullptr;
    タイマー_.時刻 = nullptr;
    刻み_.時刻 = nullptr;
}

void 窓アプリ::終わる() {
    終了済み_ = true;
    // Every event loop ends, a message box's included, without asking any window.
    QCoreApplication::exit(0);
}

void 窓アプリ::開始() {
    ゲーム_->Form_Load(置き場_.データ, 置き場_.設定, 置き場_.利用者データ);
    窓_.初期配置();
}

void 窓アプリ::引数の棋譜を開く(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.startsWith('-')) continue;
        const QString path = a.startsWith("file:") ? QUrl(a).toLocalFile() : a;
        ゲーム_->ファイルを開く(
            QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
        return;
    }
}

}  // namespace yukora::window
