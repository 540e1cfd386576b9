#include "window/app.h"

#include <QApplication>

#include "dynamic_sound_library.h"

namespace yukora::window {

窓アプリ::窓アプリ(qreal dpr, std::filesystem::path folder, std::unique_ptr<サウンドライブラリ> sound)
    : 起動フォルダ_(std::move(folder)),
      画像_(dpr),
      窓_(画像_),
      ダイアログ_(&窓_),
      版情報_(&窓_),
      音_(sound ? std::move(sound) : std::make_unique<動的サウンドライブラリ>()),
      パネル_(std::make_unique<棋譜パネル部品>(&窓_.キャンバス(), 起動フォルダ_)) {
    時計_.再描画 = [this] { 窓_.キャンバス().repaint(); };
    ゲーム_ = std::make_unique<ゲーム>(ゲームの窓口{
        画像_, 時計_, タイマー_, ダイアログ_, 窓_, *パネル_, *音_, ブラウザ_, 版情報_,
        [] { QApplication::quit(); }, static_cast<std::intptr_t>(窓_.winId()), &窓_});
    タイマー_.時刻 = [this] { ゲーム_->Timer1_Timer(); };
    パネル_->ファイル選択 = [this](const std::string& name) { ゲーム_->File1_Click(name); };
    パネル_->保存 = [this] { ゲーム_->Command1_Click(); };
    パネル_->ドライブ変更 = [this](bool readable) { return ゲーム_->Drive1_Change(readable); };
    窓_.受け手設定(ゲーム_.get());
    窓_.キャンバス().倍率変更 = [this] {
        パネル_->倍率設定(窓_.キャンバス().表示倍率(), 窓_.キャンバス().原点());
    };
    版情報_.倍率 = [this] { return 窓_.キャンバス().表示倍率(); };
}

窓アプリ::~窓アプリ() {
    窓_.受け手設定(nullptr);
    窓_.キャンバス().倍率変更 = nullptr;
    タイマー_.時刻 = nullptr;
}

void 窓アプリ::開始() {
    ゲーム_->Form_Load(起動フォルダ_);
    窓_.初期配置();
}

}  // namespace yukora::window
