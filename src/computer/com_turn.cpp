#include "computer/com_turn.h"

#include "influence/survey.h"
#include "rules/mate.h"

namespace yukora {

COMの手の知らせ 調査_COMの手の後(局面& p, 勢力地図& m, const 手番型& 番) {
    勢力調査(p, m);
    if (番.勝者 == 0 && 詰めかMAN(p, m) == 1) return COMの手の知らせ::詰め;
    if (番.勝者 == 番.COM番) return COMの手の知らせ::勝ち;
    if (m.勢力COM[p.MAN王X][p.MAN王Y] > 0) return COMの手の知らせ::王手;
    return COMの手の知らせ::なし;
}

}  // namespace yukora
