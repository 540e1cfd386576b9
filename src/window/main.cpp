// Yukora 将棋Ⅰ: builds the window and the game, shows the starting position.
#include <QApplication>

#include "window/app.h"
#include "window/start_places.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(yukora::window::デスクトップID()));
    yukora::window::窓アプリ app(qt.devicePixelRatio(), yukora::window::起動時の置き場());
    app.開始();
    app.窓().show();
    return qt.exec();
}
