// libFuzzer target: the engine's input as lines (with the length limit), the arguments of
// "position" (SFEN and moves) and the move notation. Nothing may crash; whatever the parser
// accepts must read back the same when written out, and the lines must be exactly the input's.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "usi/line_input.h"
#include "usi/position_command.h"
#include "usi/usi_move.h"
#include "usi/usi_position.h"
#include "usi/words.h"

namespace {

using namespace yukora;

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
    語読み f(sfen);
    const std::string_view board = f.次(), side = f.次(), hands = f.次(), number = f.次();
    USI局面 again;
    確かめる(number == "1" && f.次().empty() && SFEN読込(board, side, hands, again).empty());
    確かめる(again.p.盤 == pos.p.盤 && again.p.MAN持駒 == pos.p.MAN持駒 &&
             again.p.COM持駒 == pos.p.COM持駒 && again.手番 == pos.手番);
}

void 引数を試す(std::string_view args) {
    USI局面 pos;
    if (position命令を読む(args, pos).empty()) 局面を確かめる(pos);
}

// The input fed in chunks of a size taken from its first byte, with a limit from its second:
// every line comes out whole and in order, or marked too long exactly when it is.
void 行を試す(std::string_view text) {
    const std::size_t chunk = text.empty() ? 1 : 1 + static_cast<unsigned char>(text[0]) % 97;
    const std::size_t limit = text.size() < 2 ? 行の最大長 : static_cast<unsigned char>(text[1]);
    行の組立 lines(limit);
    std::string_view rest = text;  // what the lines still have to match
    const auto 照合 = [&] {
        入力行 l;
        while (lines.取り出す(l)) {
            const std::size_t nl = rest.find('\n');
            const std::string_view want = rest.substr(0, nl);
            確かめる(l.長すぎる == (want.size() > limit));
            確かめる(l.長すぎる ? l.text.empty() : l.text == want);
            rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
            語読み w(l.text);
            if (w.次() == "position") 引数を試す(w.残り());
        }
    };
    for (std::size_t i = 0; i < text.size(); i += chunk) {
        lines.入れる(text.substr(i, chunk));
        照合();
    }
    lines.終わる();
    照合();
    確かめる(rest.empty() && lines.待ち量() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    引数を試す(text);
    引数を試す("sfen " + std::string(text));
    語読み words(text);
    for (std::string_view word = words.次(); !word.empty(); word = words.次()) {
        USI指し手 m;
        if (USI指し手読込(word, m)) 確かめる(USI指し手書込(m) == word);
    }
    行を試す(text);
    return 0;
}
