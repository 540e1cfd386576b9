#include "window/app.h"

#include "display/pictures.h"
#include "display/reverse.h"
#include "rules/initial_setup.h"

namespace yukora::window {

窓アプリ::窓アプリ(qreal dpr)
    : 画像_(dpr), 表示_(画像_, 時計_, 局面_, 進行_), 窓_(画像_), ダイアログ_(&窓_) {
    時計_.再描画 = [this] { 窓_.キャンバス().repaint(); };
    窓_.受け手設定(this);
}

void 窓アプリ::開始() {
    // The background the first run gets when there is no settings file yet (bamboo).
    表示_.状態.背景画番号 = 背景_竹;
    窓_.印設定("TATAMI", false);
    窓_.印設定("TAKE", true);
    初期設定(局面_, 進行_, タイマー_, 表示_);
    窓_.初期配置();
}

void 窓アプリ::メニュー選択(std::string_view control) {
    if (control == "OWARI") 窓_.close();
    else if (control == "REVERSE") REVERSE_Click(局面_, 進行_, 表示_, ダイアログ_, 音_);
}

void 窓アプリ::キー押下(int code) {
    if (code == キー_Esc) 窓_.close();
}

}  // namespace yukora::window
