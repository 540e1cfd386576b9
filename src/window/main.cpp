// Yukora 将棋Ⅰ: builds the window and the game, shows the starting position.
#include <QApplication>

#include "window/app.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    yukora::window::窓アプリ app(qt.devicePixelRatio());
    app.開始();
    app.窓().show();
    return qt.exec();
}
