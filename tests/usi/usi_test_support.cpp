#include "usi_test_support.h"

#include <gtest/gtest.h>

#include "support/board_fixtures.h"
#include "usi/usi_move.h"

namespace yukora::test {

std::vector<std::string_view> 空白で分ける(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

USI局面 SFENの局面(const std::string& sfen) {
    const auto f = 空白で分ける(sfen);
    USI局面 pos;
    if (f.size() < 3) {
        ADD_FAILURE() << "not an SFEN: " << sfen;
        return pos;
    }
    const std::string e = SFEN読込(f[0], f[1], f[2], pos);
    EXPECT_EQ(e, "") << sfen;
    return pos;
}

}  // namespace yukora::test

namespace yukora::test {
namespace {

char 大小反転(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

// One rank read backwards: "2+Pk5" -> "5k+P2" with the cases exchanged.
std::string 段反転(const std::string& rank) {
    std::vector<std::string> units;
    for (std::size_t i = 0; i < rank.size(); ++i) {
        std::string u(1, 大小反転(rank[i]));
        if (rank[i] == '+' && i + 1 < rank.size()) u += 大小反転(rank[++i]);
        units.push_back(u);
    }
    std::string s;
    for (auto it = units.rbegin(); it != units.rend(); ++it) s += *it;
    return s;
}

}  // namespace

std::string SFEN反転(const std::string& sfen) {
    const auto f = 空白で分ける(sfen);
    std::vector<std::string> ranks;
    std::size_t start = 0;
    const std::string board(f.at(0));
    while (true) {
        const std::size_t slash = board.find('/', start);
        ranks.push_back(board.substr(start, slash - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    std::string s;
    for (auto it = ranks.rbegin(); it != ranks.rend(); ++it)
        s += (s.empty() ? "" : "/") + 段反転(*it);
    s += f.at(1) == "b" ? " w " : " b ";
    for (const char c : f.at(2)) s += 大小反転(c);
    for (std::size_t i = 3; i < f.size(); ++i) s += " " + std::string(f[i]);
    return s;
}

std::string 指し手反転(const std::string& move) {
    std::string s = move;
    const auto 桝 = [&](std::size_t i) {
        s[i] = static_cast<char>('0' + 10 - (s[i] - '0'));
        s[i + 1] = static_cast<char>('a' + ('i' - s[i + 1]));
    };
    if (s.size() >= 4 && s[1] == '*') {
        桝(2);
    } else if (s.size() >= 4) {
        桝(0);
        桝(2);
    }
    return s;
}

std::vector<std::string> 実戦の指し手() {
    std::vector<std::string> moves;
    USI局面 pos = 平手局面();
    for (const std::string& line : CSA棋譜(GAMES_DIR "/real-game-1.csa")) {
        const CSA指し手 c = CSAを読む(line);
        USI指し手 m;
        m.先X = c.先X;
        m.先Y = c.先Y;
        if (c.打ち) {
            m.打駒種類 = c.手駒種類;
        } else {
            m.元X = c.元X;
            m.元Y = c.元Y;
            m.成り = pos.p.盤[c.元X][c.元Y] != c.駒;
        }
        const std::string e = USI指し手を指す(pos, m);
        EXPECT_EQ(e, "") << line;
        EXPECT_EQ(pos.p.盤[c.先X][c.先Y], c.駒) << line;
        moves.push_back(USI指し手書込(m));
    }
    return moves;
}

}  // namespace yukora::test
