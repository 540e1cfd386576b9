#include "window/start_places.h"

#include <QStandardPaths>
#include <system_error>

#include "help/help_page.h"

// Set by the build from the install folders; these are the defaults of a /usr-like prefix.
#ifndef YUKORA_APP_ID
#define YUKORA_APP_ID "org.yukora.shogi"
#endif
#ifndef YUKORA_DATA_FROM_BIN
#define YUKORA_DATA_FROM_BIN "../share/yukora-shogi"
#endif
#ifndef YUKORA_LIBRARY_FROM_BIN
#define YUKORA_LIBRARY_FROM_BIN "../lib/yukora-shogi"
#endif

namespace yukora::window {

const char* デスクトップID() { return YUKORA_APP_ID; }

置き場 起動時の置き場() {
    起動の様子 s = 起動の様子を調べる();
    s.文書フォルダ =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    s.データの相対位置 = YUKORA_DATA_FROM_BIN;
    s.ライブラリの相対位置 = YUKORA_LIBRARY_FROM_BIN;
    const 置き場 p = 置き場を決める(
        s,
        [](const std::filesystem::path& dir) {
            std::error_code ec;
            return std::filesystem::is_regular_file(dir / ヘルプファイル名, ec);
        },
        [](const std::filesystem::path& dir) {
            std::error_code ec;
            return std::filesystem::is_directory(dir, ec);
        });
    設定フォルダを用意(p);
    return p;
}

}  // namespace yukora::window
