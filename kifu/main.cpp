// yukora-kifu: record files between ".棋譜", KIF, KIFU and CSA, and their positions as SFEN.
#include <iostream>
#include <string>
#include <vector>

#include "kifu/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return yukora::実行する(args, std::cout, std::cerr);
}
