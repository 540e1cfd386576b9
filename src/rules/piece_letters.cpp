#include "rules/piece_letters.h"

#include "game/pieces.h"

namespace yukora {
namespace {

constexpr char 持駒文字[8] = {0, 'P', 'L', 'N', 'S', 'G', 'B', 'R'};

}  // namespace

int 駒文字の駒(char c) {
    if (c == 'K') return 王;
    return 持駒の駒(駒文字の持駒種類(c));
}

char 駒の文字(int code) {
    if (code == 王 || code == -王) return 'K';
    return 持駒文字[持駒種類(code)];
}

int 駒文字の持駒種類(char c) {
    for (int k = 1; k <= 7; ++k)
        if (持駒文字[k] == c) return k;
    return 0;
}

}  // namespace yukora
