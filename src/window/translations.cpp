#include "window/translations.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace yukora::window {

bool Qtの日本語訳を入れる(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace yukora::window
