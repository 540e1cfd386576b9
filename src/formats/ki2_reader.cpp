#include "formats/ki2_reader.h"

#include "formats/kif_family.h"
#include "formats/kif_notation.h"
#include "formats/relative_notation.h"

namespace yukora {
namespace {

bool 始まる(std::u32string_view s, std::u32string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

constexpr std::u32string_view 先手の印 = U"▲☗▼", 後手の印 = U"△☖▽";

bool 印か(char32_t c) {
    return 先手の印.find(c) != std::u32string_view::npos ||
           後手の印.find(c) != std::u32string_view::npos;
}

class KI2読み final : public KIF系の読み {
public:
    using KIF系の読み::KIF系の読み;

private:
    const char* 形式名() const override { return "KI2"; }

    bool 指し手の行か(std::u32string_view t) const override { return 印か(t.front()); }

    void 指し手行(std::u32string_view t) override {
        while (!t.empty() && !止まった_) {
            if (!印か(t.front())) return 誤り(木_.次の手数(), "text between the moves");
            if (木_.終わった()) return 誤り(木_.次の手数(), "a move after the end of the line");
            if (std::string e = 一手(t); !e.empty()) return 誤り(木_.次の手数(), e);
            空白を飛ばす(t);
        }
    }

    // One move from the front of `t`, taken off.
    std::string 一手(std::u32string_view& t) {
        const int side = 先手の印.find(t.front()) != std::u32string_view::npos ? 先手 : 後手;
        t.remove_prefix(1);
        if (side != 木_.局面().手番) return "a move of the side not to move";
        KI2の指定 s;
        if (始まる(t, U"同")) {
            const 記録の手* prev = 木_.前の手();
            if (prev == nullptr) return "\"同\" without a move before it";
            s.先X = prev->先X;
            s.先Y = prev->先Y;
            t.remove_prefix(1);
            空白を飛ばす(t);
        } else {
            if (t.size() < 2 || 筋の値(t[0]) == 0 || 段の値(t[1]) == 0)
                return "no square to move to";
            s.先X = 10 - 筋の値(t[0]);
            s.先Y = 段の値(t[1]);
            t.remove_prefix(2);
        }
        size_t len = 0;
        s.駒 = 駒名を読む(t, len);
        if (s.駒 == 0) return "no piece named";
        t.remove_prefix(len);
        size_t words = 0;
        while (words < t.size() &&
               std::u32string_view(U"右左直上引寄行入").find(t[words]) != std::u32string_view::npos)
            ++words;
        const std::u32string_view 相対 = t.substr(0, words);
        t.remove_prefix(words);
        if (始まる(t, U"不成") || 始まる(t, U"生")) t.remove_prefix(t[0] == U'生' ? 1 : 2);
        else if (始まる(t, U"成")) s.成り = true, t.remove_prefix(1);
        std::u32string all(相対);
        if (始まる(t, U"打")) all += U'打', t.remove_prefix(1);
        if (!t.empty() && !KIFの空白か(t.front()) && !印か(t.front()))
            return "the move has more text than a move";
        s.相対 = all;
        記録の手 m;
        if (std::string e = KI2の手を探す(木_.局面(), s, m); !e.empty()) return e;
        return 木_.手を足す(std::move(m));
    }
};

}  // namespace

読込結果 KI2を読む(const std::vector<std::string>& lines) { return KI2読み(lines).読む(); }

}  // namespace yukora
