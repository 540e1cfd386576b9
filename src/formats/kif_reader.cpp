#include "formats/kif_reader.h"

#include <algorithm>

#include "formats/end_words.h"
#include "formats/kif_family.h"
#include "formats/kif_notation.h"
#include "formats/record_move.h"

namespace yukora {
namespace {

bool 始まる(std::u32string_view s, std::u32string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The seconds of a time "( 0:05/00:00:12)" after the move; 0 when there is none.
int 消費秒(std::u32string_view rest) {
    const size_t open = rest.find(U'(');
    if (open == std::u32string_view::npos) return 0;
    rest.remove_prefix(open + 1);
    空白を飛ばす(rest);
    const int m = 数字を読む(rest);
    if (m < 0 || rest.empty() || rest.front() != U':') return 0;
    rest.remove_prefix(1);
    const int s = 数字を読む(rest);
    return s < 0 ? 0 : std::min(m * 60 + s, 記録秒の上限);
}

class KIF読み final : public KIF系の読み {
public:
    using KIF系の読み::KIF系の読み;

private:
    const char* 形式名() const override { return "KIF"; }

    // "   1 ７六歩(77)": a number, then a blank.
    bool 指し手の行か(std::u32string_view t) const override {
        size_t i = 0;
        while (i < t.size() && t[i] >= U'0' && t[i] <= U'9') ++i;
        return i > 0 && i < t.size() && KIFの空白か(t[i]);
    }

    void 指し手行(std::u32string_view t) override {
        const int n = 数字を読む(t);
        // The first move may have any number; the others follow it.
        if (木_.今の列().手.empty() && !木_.変化の中か() && n > 0) 木_.始める(n);
        const int 手数 = 木_.次の手数();
        if (n != 手数) return 誤り(手数, "move number " + std::to_string(n) + " out of order");
        空白を飛ばす(t);
        while (!t.empty() &&
               std::u32string_view(U"▲△☗☖▼▽").find(t.front()) != std::u32string_view::npos)
            t.remove_prefix(1);
        size_t word = 0;
        while (word < t.size() && !KIFの空白か(t[word]) && t[word] != U'(') ++word;
        if (KIFの終局語か(t.substr(0, word))) {
            木_.終える(KIF語の終局(t.substr(0, word)), 消費秒(t.substr(word)));
            return;
        }
        記録の手 m;
        if (std::string e = 指し手を読む(t, m); !e.empty()) return 誤り(手数, e);
        if (std::string e = 木_.手を足す(std::move(m)); !e.empty()) return 誤り(手数, e);
    }

    std::string 指し手を読む(std::u32string_view t, 記録の手& m) {
        if (始まる(t, U"同")) {
            const 記録の手* prev = 木_.前の手();
            if (prev == nullptr) return "\"同\" without a move before it";
            m.先X = prev->先X;
            m.先Y = prev->先Y;
            t.remove_prefix(1);
            空白を飛ばす(t);
        } else {
            if (t.size() < 2 || 筋の値(t[0]) == 0 || 段の値(t[1]) == 0)
                return "no square to move to";
            m.先X = 10 - 筋の値(t[0]);
            m.先Y = 段の値(t[1]);
            t.remove_prefix(2);
        }
        size_t len = 0;
        const int code = 駒名を読む(t, len);
        if (code == 0) return "no piece named";
        t.remove_prefix(len);
        if (始まる(t, U"不成")) t.remove_prefix(2);
        else if (始まる(t, U"成")) m.成り = true, t.remove_prefix(1);
        if (始まる(t, U"打")) {
            m.打駒 = 持駒種類(code);
            if (m.打駒 == 0 || 持駒の駒(m.打駒) != code) return "that piece cannot be dropped";
            t.remove_prefix(1);
        } else {
            if (t.size() < 4 || t[0] != U'(' || t[3] != U')' || 筋の値(t[1]) == 0 ||
                筋の値(t[2]) == 0)
                return "no square to move from";
            m.元X = 10 - 筋の値(t[1]);
            m.元Y = 筋の値(t[2]);
            t.remove_prefix(4);
            const int on = 木_.局面().p.盤[m.元X][m.元Y];
            if ((on < 0 ? -on : on) != code)
                return "the piece on the square moved from is not the one named";
        }
        m.秒 = 消費秒(t);
        return {};
    }
};

}  // namespace

読込結果 KIFを読む(const std::vector<std::string>& lines) { return KIF読み(lines).読む(); }

}  // namespace yukora
