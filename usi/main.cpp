// yukora-usi: the computer player of the game as a USI engine on standard input and output.
#include <iostream>
#include <string>

#include "usi/engine.h"

int main() {
    std::ios::sync_with_stdio(false);
    yukora::USIエンジン engine(std::cout);
    std::string line;
    while (std::getline(std::cin, line))
        if (!engine.行を処理(line)) break;
    return 0;
}
