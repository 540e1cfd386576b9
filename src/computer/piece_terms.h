// The last stage of the evaluation: terms chosen by the kind of piece the move placed.
// Each returns what it adds to the score, in tenths; an early end of the evaluation is simply
// the end of the piece's function, since this stage comes last.
#pragma once
#include "computer/com_state.h"

namespace yukora {

点数 盤評価_駒別(const 評価対象& e);

点数 盤評価_歩(const 評価対象& e);
点数 盤評価_と(const 評価対象& e);
点数 盤評価_香(const 評価対象& e);
点数 盤評価_桂(const 評価対象& e);
点数 盤評価_銀(const 評価対象& e);
点数 盤評価_金(const 評価対象& e);
点数 盤評価_角(const 評価対象& e);
点数 盤評価_角成(const 評価対象& e);
点数 盤評価_飛(const 評価対象& e);
点数 盤評価_飛成(const 評価対象& e);
点数 盤評価_王(const 評価対象& e);

}  // namespace yukora
