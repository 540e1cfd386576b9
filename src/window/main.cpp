// Yukora 将棋Ⅰ: builds the window and the game, shows the starting position.
#include <QApplication>
#include <QTimer>

#include "window/app.h"
#include "window/start_places.h"
#include "window/translations.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(yukora::window::デスクトップID()));
    yukora::window::Qtの日本語訳を入れる(qt);
    yukora::window::窓アプリ app(qt.devicePixelRatio(), yukora::window::起動時の置き場());
    app.開始();
    // A signal during start-up (a warning box open) ends the program before it shows.
    if (app.終了済み()) return 0;
    app.窓().show();
    // A record named on the command line, its boxes over the shown window.
    QTimer::singleShot(0, &app.窓(), [&] { app.引数の棋譜を開く(qt.arguments()); });
    return qt.exec();
}
