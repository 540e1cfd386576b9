// yukora-usi: the computer player of the game as a USI engine on standard input and output.
#include <malloc.h>

#include <iostream>

#include "usi/engine.h"
#include "usi/stdin_input.h"
#include "usi/termination.h"

int main() {
    std::ios::sync_with_stdio(false);
    // A long line's buffer is mapped on its own and unmapped when freed, so the memory it took
    // goes back to the system (glibc otherwise raises this threshold after the first such
    // buffer and keeps the next ones on its heap).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    yukora::終了シグナルで終わる();
    yukora::標準入力 in(0);
    yukora::USIエンジン engine(std::cout, &in);
    using 事象 = yukora::標準入力::事象;
    while (true) {
        yukora::入力行 line;  // a fresh one each time: a long line's memory goes back at once
        if (in.次(line) != 事象::行) break;
        if (line.長すぎる) engine.長すぎる行();
        else if (!engine.行を処理(line.text)) break;
    }
    std::cout.flush();
    return 0;
}
