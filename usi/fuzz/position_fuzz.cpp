// libFuzzer target: the arguments of "position" (SFEN and moves) and the move notation.
// A parse must never crash, and whatever it accepts must read back the same when written out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "usi/position_command.h"
#include "usi/usi_move.h"
#include "usi/usi_position.h"

namespace {

using namespace yukora;

std::vector<std::string_view> 語に分ける(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\n') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

void 確かめる(bool ok) {
    if (!ok) __builtin_trap();
}

// An accepted position has both kings, consistent hand totals, and survives a round trip.
void 局面を確かめる(const USI局面& pos) {
    int 先手王 = 0, 後手王 = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            先手王 += pos.p.盤[x][y] == -王;
            後手王 += pos.p.盤[x][y] == 王;
        }
    確かめる(先手王 == 1 && 後手王 == 1);
    int man = 0, com = 0;
    for (int k = 1; k <= 7; ++k) {
        man += pos.p.MAN持駒[k];
        com += pos.p.COM持駒[k];
    }
    確かめる(man == pos.p.MAN持駒数 && com == pos.p.COM持駒数);

    const std::string sfen = SFEN書込(pos);
    const std::vector<std::string_view> f = 語に分ける(sfen);
    USI局面 again;
    確かめる(f.size() == 4 && SFEN読込(f[0], f[1], f[2], again).empty());
    確かめる(again.p.盤 == pos.p.盤 && again.p.MAN持駒 == pos.p.MAN持駒 &&
             again.p.COM持駒 == pos.p.COM持駒 && again.手番 == pos.手番);
}

void 引数を試す(const std::vector<std::string_view>& args) {
    USI局面 pos;
    if (position命令を読む(args, pos).empty()) 局面を確かめる(pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args = 語に分ける(text);
    引数を試す(args);
    args.insert(args.begin(), "sfen");
    引数を試す(args);
    for (const std::string_view word : args) {
        USI指し手 m;
        if (USI指し手読込(word, m)) 確かめる(USI指し手書込(m) == word);
    }
    return 0;
}
