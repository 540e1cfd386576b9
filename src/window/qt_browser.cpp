#include "window/qt_browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace yukora::window {

bool Qtブラウザ::表示(const std::string& address) {
    // Strict parsing: a malformed address is refused rather than guessed at.
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

}  // namespace yukora::window
