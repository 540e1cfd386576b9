// The named starts of KIF files (手合割) and the usual start with pieces taken away.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "formats/record_model.h"

namespace yukora {

struct 手合割 {
    std::string_view 名前;
    std::string_view 落とす駒;  // squares and pieces of 後手 taken away, as CSA writes them
    bool 広く読まれる;          // a name every reader knows; the others get a diagram too
};

// 平手 and the handicaps, 後手 (上手) moving first in every handicap.
const 手合割* 手合割を名前で探す(std::u32string_view name);

// The named start that `pos` is, or nullptr.
const 手合割* 手合割を局面で探す(const 記録局面& pos);

// The start of a name: the usual one without the pieces it takes away.
記録局面 手合割の局面(const 手合割& h);

// The pieces taken away from the usual start ("82HI22KA"), empty for the usual start itself;
// nothing when the position is not the usual start with pieces taken away and empty hands.
std::optional<std::string> 平手から落とした駒(const 局面& p);

// True when pieces were taken away from the usual start on the top (後手) side only.
bool 後手の駒落ちか(const 局面& p);

}  // namespace yukora
