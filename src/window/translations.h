// Qt's own texts (the standard buttons of message boxes) in Japanese, whatever the locale:
// every other text of the program is Japanese too.
#pragma once
#include <QCoreApplication>

namespace yukora::window {

// Loads Qt's Japanese translation from Qt's translations folder into `app`; false when the
// file is missing (the buttons then stay in English).
bool Qtの日本語訳を入れる(QCoreApplication& app);

}  // namespace yukora::window
