// A USI engine for the tests, whose behaviour is chosen by the name it is started under
// (a link named "scripted-<mode>"): it plays the first legal move it finds, or misbehaves.
//   play        answers every go with the first legal move (and one info line)
//   nousiok     never says usiok          noreadyok   never says readyok
//   crash       aborts at the first go    exit        exits with status 3 at the first go
//   hang        never answers a go and ignores quit
//   flood       prints info lines without end at the first go
//   longline    prints a 2 MiB line at the first go
//   garbage     prints bytes that are no text at the first go
//   illegal     answers with a move the rules refuse
//   resign      resigns at the first go
//   win         declares the entering-king win at the first go
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/move_judge.h"
#include "game/board_view.h"
#include "rules/move_enumeration.h"
#include "rules/sfen.h"
#include "rules/usi_notation.h"

namespace {

using namespace yukora;

std::string 名前の型(const char* argv0) {
    const std::string name = std::string(argv0).substr(std::string(argv0).find_last_of('/') + 1);
    const std::size_t dash = name.find('-');
    return dash == std::string::npos ? "play" : name.substr(dash + 1);
}

bool 局面を読む(std::istringstream& in, 手番付き局面& pos) {
    std::string word;
    in >> word;
    if (word == "startpos") {
        pos = 平手局面();
    } else {
        std::string board, side, hands;
        in >> board >> side >> hands;
        if (!SFEN読込(board, side, hands, pos).empty()) return false;
    }
    while (in >> word) {
        指定の手 m;
        if (word == "moves" ||
            (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0])) && word.size() < 4))
            continue;
        if (!USI手を読む(word, m) || !手番の手を指す(pos, m).empty()) return false;
    }
    return true;
}

// The first move (in the rules' order) that the full rules allow; empty when none.
std::string 最初の合法手(const 手番付き局面& pos) {
    局面 p = pos.p;
    調査_2歩フラグ設定(p);
    std::string found;
    手を並べる(p, pos.手番 == 先手 ? 1 : -1, [&](int 元X, int 元Y, int 先X, int 先Y, int 駒) {
        指定の手 m;
        m.先X = 先X;
        m.先Y = 先Y;
        if (元X == 自持駒列 || 元X == 敵持駒列) {
            m.打駒 = 持駒種類(駒);
        } else {
            m.元X = 元X;
            m.元Y = 元Y;
            m.成り = 駒 != p.盤[元X][元Y];
        }
        if (手を確かめる(pos, m).理由 != 反則::なし) return true;
        found = USI手を書く(m);
        return false;
    });
    return found;
}

void 出す(const std::string& line) { std::cout << line << std::endl; }

[[noreturn]] void 止まる() {
    for (;;) pause();
}

// The misbehaviours that happen at the first go; false for the modes that play.
bool 悪さをする(const std::string& mode) {
    if (mode == "crash") std::abort();
    if (mode == "exit") std::exit(3);
    if (mode == "hang") 止まる();
    if (mode == "flood")
        for (long i = 0;; ++i) std::cout << "info depth 1 nodes " << i << "\n";
    if (mode == "longline") {
        出す("info string " + std::string(2u << 20, 'x'));
        止まる();
    }
    if (mode == "garbage") {
        出す("info string \x01\xff\xfe");
        止まる();
    }
    if (mode == "resign") 出す("bestmove resign");
    else if (mode == "win") 出す("bestmove win");
    else if (mode == "illegal") 出す("bestmove 5e5d");
    else return false;
    return true;
}

}  // namespace

int main(int, char* argv[]) {
    const std::string mode = 名前の型(argv[0]);
    if (mode == "hang") std::signal(SIGTERM, SIG_IGN);
    手番付き局面 pos = 平手局面();
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string cmd;
        in >> cmd;
        if (cmd == "usi") {
            出す("id name scripted " + mode);
            出す("id author the tests");
            出す("option name Speed type spin default 1 min 1 max 9");
            if (mode != "nousiok") 出す("usiok");
        } else if (cmd == "isready") {
            if (mode != "noreadyok") 出す("readyok");
        } else if (cmd == "position") {
            if (!局面を読む(in, pos)) 出す("info string bad position");
        } else if (cmd == "go") {
            if (悪さをする(mode)) continue;
            const std::string m = 最初の合法手(pos);
            出す("info depth 1 nodes 1 score cp 0 pv " + (m.empty() ? "resign" : m));
            出す("bestmove " + (m.empty() ? std::string("resign") : m));
        } else if (cmd == "quit") {
            return 0;
        }
    }
    return 0;
}
