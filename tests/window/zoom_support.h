// What the zoom's tests share: a game started at a zoom, a window made a size, images compared.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QLayout>
#include <QMenuBar>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "settings/settings_state.h"
#include "textfile/sjis.h"
#include "window/app.h"

namespace yukora::window {

// "" when the images agree (each colour channel within `shade`), else where they first differ.
inline std::string 違い(const QImage& a, const QImage& b, int shade = 0) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p(a.pixel(x, y)), q(b.pixel(x, y));
            if (std::abs(p.red() - q.red()) > shade || std::abs(p.green() - q.green()) > shade ||
                std::abs(p.blue() - q.blue()) > shade)
                return std::to_string(x) + "," + std::to_string(y) + ": " + p.name().toStdString() +
                       " " + q.name().toStdString();
        }
    return "";
}

// A fresh folder with a settings file of this zoom.
inline std::filesystem::path 設定のフォルダ(const std::string& 倍率) {
    char pattern[] = "/tmp/yukora-zoom-XXXXXX";
    const std::filesystem::path dir(mkdtemp(pattern));
    std::ofstream(dir / 環境設定ファイル名, std::ios::binary)
        << SJISへ変換("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n表示倍率=" + 倍率 +
                      "\r\n")
               .value();
    return dir;
}

// The game started with the settings file of this zoom, its window on `screen` (by default the
// first, on which every zoom fits).
inline std::unique_ptr<窓アプリ> 始める(const std::string& 倍率, QScreen* screen = nullptr) {
    auto app =
        std::make_unique<窓アプリ>(1.0, 設定のフォルダ(倍率), std::make_unique<無音ライブラリ>());
    if (screen != nullptr) app->窓().windowHandle()->setScreen(screen);
    app->開始();
    return app;
}

// The window made `canvas` big.
inline void 大きさを変える(主窓& w, const QSize& canvas) {
    w.resize(canvas + QSize(0, w.menuBar()->sizeHint().height()));
    w.配置し直す();
    ASSERT_EQ(w.キャンバス().size(), canvas);
    w.キャンバス().合わせ直す();
}

}  // namespace yukora::window
