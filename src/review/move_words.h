// A move of the list in the words of KIF records: "７六歩(77)", "同　角成(88)", "５五角打".
#pragma once
#include <string>

#include "formats/record_model.h"
#include "game/position.h"

namespace yukora {

// The move that leads from `前` to `後`, with `下` true when the bottom side made it; "同"
// when it lands where `前の手` did. Empty when no single move of either side leads there.
std::string 指し手の言葉(const 局面& 前, const 局面& 後, const 記録の手* 前の手, 記録の手& m,
                         bool& 下);

}  // namespace yukora
