// A display drawing into a recording screen, with its own position and game state.
#pragma once
#include <string>

#include "display/display.h"
#include "display/fake_screen.h"
#include "game/position.h"
#include "game/state.h"

namespace yukora::test::表示試験 {

struct 表示環境 {
    記録する画面 screen;
    進む時計 clock;
    局面 p;
    進行状態 s;
    表示 view{screen, clock, p, s};
};

inline std::string 文字行(int X, int Y, int size, int colour, const std::string& text) {
    return "文字 " + std::to_string(X) + " " + std::to_string(Y) + " " + std::to_string(size) +
           " " + std::to_string(colour) + " " + text;
}

inline std::string 輪郭行(int colour, int X1, int Y1, int X2, int Y2) {
    return "輪郭 " + std::to_string(colour) + " " + std::to_string(X1) + " " + std::to_string(Y1) +
           " " + std::to_string(X2) + " " + std::to_string(Y2);
}

inline std::string 絵行(const std::string& name, int X, int Y) {
    return "絵 " + name + " " + std::to_string(X) + " " + std::to_string(Y);
}

}  // namespace yukora::test::表示試験
