// Starts the game as the program does and ends the process right after the window's first
// paint, printing the CPU time used since exec (user + system, all threads) in milliseconds.
// Usage: first_paint_probe SETTINGS_FOLDER
// The data and the sound library come from the build's run folder; the settings file is read
// from (or made in) SETTINGS_FOLDER. Under xvfb-run it measures the X11 start; with
// QT_QPA_PLATFORM=offscreen, the offscreen one.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "window/app.h"
#include "window/start_places.h"
#include "window/translations.h"

namespace {

double CPUミリ秒() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec * 1e-3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Ends the process once the paint that is about to happen has been done and flushed.
class 初回描画で終わる final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !済み_) {
            済み_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%.2f\n", CPUミリ秒());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool 済み_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_paint_probe SETTINGS_FOLDER\n");
        return 2;
    }
    // As main.cpp, with the folders fixed.
    QApplication qt(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(yukora::window::デスクトップID()));
    yukora::window::Qtの日本語訳を入れる(qt);
    yukora::置き場 places = yukora::window::起動時の置き場();
    places.データ = places.ライブラリ = RUN_DIR;
    places.設定 = places.棋譜 = argv[1];
    yukora::window::窓アプリ app(qt.devicePixelRatio(), places);
    初回描画で終わる probe;
    app.窓().キャンバス().installEventFilter(&probe);
    app.開始();
    if (app.終了済み()) return 1;
    app.窓().show();
    return qt.exec();
}
