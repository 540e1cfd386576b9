// The window tests run on Qt's offscreen platform, with one application object for all, on two
// screens: a large one on which every zoom fits and the game still starts at 100 %, and a
// 1280 × 1024 one to its right.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* 画面の設定 = R"({"windowFrameMargins": false, "screens": [
    {"name": "大", "x": 0, "y": 0, "width": 2000, "height": 1599},
    {"name": "小", "x": 2000, "y": 0, "width": 1280, "height": 1024}]})";

// The offscreen platform with the screens above; its file lasts as long as the process.
std::string 画面を用意() {
    static char path[] = "/tmp/yukora-screens-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return "offscreen";
    const std::string json = 画面の設定;
    const bool written = write(fd, json.data(), json.size()) == static_cast<ssize_t>(json.size());
    close(fd);
    std::atexit([] { std::remove(path); });
    return written ? std::string("offscreen:configfile=") + path : "offscreen";
}

}  // namespace

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(画面を用意()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
