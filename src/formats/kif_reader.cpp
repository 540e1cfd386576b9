#include "formats/kif_reader.h"

#include <algorithm>
#include <array>

#include "formats/end_words.h"
#include "formats/handicap_names.h"
#include "formats/kif_notation.h"
#include "formats/record_move.h"
#include "rules/start_position.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

bool 始まる(std::u32string_view s, std::u32string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool 空白か(char32_t c) { return c == U' ' || c == U'\u3000' || c == U'\t'; }

void 空白を飛ばす(std::u32string_view& s) {
    while (!s.empty() && 空白か(s.front())) s.remove_prefix(1);
}

// "key：value" (full-width or ASCII colon), the key without spaces.
bool 見出しを分ける(std::u32string_view line, std::u32string_view& key,
                    std::u32string_view& value) {
    const size_t c = line.find_first_of(U"：:");
    if (c == 0 || c == std::u32string_view::npos) return false;
    key = line.substr(0, c);
    for (const char32_t ch : key)
        if (空白か(ch)) return false;
    value = 空白を除く(line.substr(c + 1));
    return true;
}

// A number of up to six digits; -1 when there is no digit or more than six.
int 数字を読む(std::u32string_view& s) {
    int n = 0, digits = 0;
    while (!s.empty() && s.front() >= U'0' && s.front() <= U'9') {
        if (++digits > 6) return -1;
        n = n * 10 + static_cast<int>(s.front() - U'0');
        s.remove_prefix(1);
    }
    return digits == 0 ? -1 : n;
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

class KIF読み {
public:
    explicit KIF読み(const std::vector<std::string>& lines) : lines_(lines) {}

    読込結果 読む() {
        for (size_t i = 0; i < lines_.size() && !止まった_; ++i) {
            行_ = static_cast<int>(i) + 1;
            一行(符号点へ(lines_[i]));
        }
        if (!res_.エラー && !指し手部_) 開始を決める();
        if (!res_.エラー && res_.記録.手.empty() && !局面あり_)
            res_.エラー = 読込エラー{0, 0, "no KIF record found"};
        return std::move(res_);
    }

private:
    void 誤り(int 手数, std::string 理由) {
        res_.エラー = 読込エラー{行_, 手数, std::move(理由)};
        止まった_ = true;
    }

    void 一行(std::u32string_view line) {
        std::u32string_view t = line;
        空白を飛ばす(t);
        if (t.empty() || t.front() == U'#' || t.front() == U'*' || t.front() == U'&') return;
        if (始まる(t, U"変化")) {
            止まった_ = true;  // the main line is complete
            return;
        }
        if (始まる(t, U"まで")) return;
        if (t.front() >= U'0' && t.front() <= U'9') {
            if (!終わった_) 指し手行(t);
            return;
        }
        if (!指し手部_) 見出し行(line);
    }

    void 見出し行(std::u32string_view line) {
        if (始まる(line, U"|")) return 盤の段(line);
        if (始まる(line, U"手数----")) {
            局面あり_ = true;
            return;
        }
        if (始まる(line, U"先手番") || 始まる(line, U"下手番")) return 手番を決める(先手);
        if (始まる(line, U"後手番") || 始まる(line, U"上手番")) return 手番を決める(後手);
        std::u32string_view key, value;
        if (!見出しを分ける(line, key, value)) return;
        if (key == U"手合割") return 手合割行(value);
        if (key == U"先手の持駒" || key == U"下手の持駒") return 持駒行(value, 手駒_[0]);
        if (key == U"後手の持駒" || key == U"上手の持駒") return 持駒行(value, 手駒_[1]);
        std::string* field = key == U"先手" || key == U"下手"   ? &res_.記録.先手名
                             : key == U"後手" || key == U"上手" ? &res_.記録.後手名
                             : key == U"棋戦"                   ? &res_.記録.棋戦
                             : key == U"開始日時"               ? &res_.記録.開始日時
                                                                : nullptr;
        if (field != nullptr) *field = UTF8へ(value);
    }

    void 手番を決める(int side) {
        手番_ = side;
        局面あり_ = true;
    }

    void 手合割行(std::u32string_view name) {
        局面あり_ = true;
        手合割_ = 手合割を名前で探す(name);
        if (手合割_ == nullptr) {
            不明な手合割_ = UTF8へ(name);
            手合割行番号_ = 行_;
        }
    }

    void 持駒行(std::u32string_view value, 持駒型& hand) {
        局面あり_ = true;
        hand = {};
        while (!value.empty()) {
            空白を飛ばす(value);
            if (value.empty() || 始まる(value, U"なし")) return;
            size_t len = 0;
            const int code = 駒名を読む(value, len);
            const int kind = 持駒種類(code);
            if (kind == 0 || code != 持駒の駒(kind))
                return 誤り(0, "a hand holds an unknown piece");
            value.remove_prefix(len);
            size_t n = 0;  // the count, if any, runs up to the next piece or space
            while (n < value.size() && (段の値(value[n]) != 0 || value[n] == U'十')) ++n;
            const int count = n == 0 ? 1 : 数の値(value.substr(0, n));
            if (count == 0) return 誤り(0, "a count in a hand cannot be read");
            hand[kind] = static_cast<駒型>(hand[kind] + count);
            value.remove_prefix(n);
        }
    }

    // "|v香v桂v銀v金v玉v金v銀v桂v香|一": nine squares of a mark ("v" for 後手) and a piece.
    void 盤の段(std::u32string_view line) {
        局面あり_ = true;
        if (盤の行_ == 0) 盤の行_ = 行_;
        if (line.size() < 21 || line[19] != U'|')
            return 誤り(0, "a rank of the board diagram cannot be read");
        const int y = 段の値(line[20]);
        if (y == 0) return 誤り(0, "a rank of the board diagram has no number");
        for (int x = 1; x <= 9; ++x) {
            const char32_t mark = line[static_cast<size_t>(2 * x - 1)];
            const char32_t piece = line[static_cast<size_t>(2 * x)];
            int code = 0;
            if (piece != U'・' && piece != U' ' && piece != U'　') {
                size_t len = 0;
                code = 駒名を読む(std::u32string_view(&piece, 1), len);
                if (code == 0) return 誤り(0, "an unknown piece in the board diagram");
            }
            盤_[x][y] = static_cast<駒型>(mark == U'v' || mark == U'V' ? code : -code);
        }
        段あり_[static_cast<size_t>(y)] = true;
    }

    void 開始を決める() {
        指し手部_ = true;
        記録局面& start = res_.記録.開始;
        if (盤の行_ != 0) {
            for (int y = 1; y <= 9; ++y)
                if (!段あり_[static_cast<size_t>(y)]) {
                    行_ = 盤の行_;
                    return 誤り(0, "the board diagram lacks a rank");
                }
            start.p.盤 = 盤_;
            start.p.MAN持駒 = 手駒_[0];
            start.p.COM持駒 = 手駒_[1];
            start.手番 = 先手;
        } else if (手合割_ != nullptr) {
            start = 手合割の局面(*手合割_);
        } else if (!不明な手合割_.empty()) {
            行_ = 手合割行番号_;
            return 誤り(0, "unknown 手合割 " + 不明な手合割_);
        } else {
            start = 手合割の局面(*手合割を名前で探す(U"平手"));
        }
        if (手番_ != 0) start.手番 = 手番_;
        if (std::string e = 開始局面の問題(start.p); !e.empty()) {
            if (盤の行_ != 0) 行_ = 盤の行_;
            return 誤り(0, "the start position: " + e);
        }
        for (int k = 1; k <= 7; ++k) {
            start.p.MAN持駒数 += start.p.MAN持駒[k];
            start.p.COM持駒数 += start.p.COM持駒[k];
        }
        pos_ = start;
    }

    void 指し手行(std::u32string_view t) {
        const int 手数 = static_cast<int>(res_.記録.手.size()) + 1;
        const int n = 数字を読む(t);
        if (t.empty() || !空白か(t.front())) return;  // a number alone is no move line
        if (!指し手部_) {
            const int 行 = 行_;
            開始を決める();
            行_ = 行;
            if (止まった_) return;
        }
        if (次の番号_ != 0 && n != 次の番号_)
            return 誤り(手数, "move number " + std::to_string(n) + " out of order");
        次の番号_ = n + 1;
        空白を飛ばす(t);
        while (!t.empty() &&
               std::u32string_view(U"▲△☗☖▼▽").find(t.front()) != std::u32string_view::npos)
            t.remove_prefix(1);
        size_t word = 0;
        while (word < t.size() && !空白か(t[word]) && t[word] != U'(') ++word;
        if (KIFの終局語か(t.substr(0, word))) {
            res_.記録.終局 = KIF語の終局(t.substr(0, word));
            終わった_ = true;
            return;
        }
        記録の手 m;
        if (std::string e = 指し手を読む(t, m); !e.empty()) return 誤り(手数, e);
        if (std::string e = 記録の手を指す(pos_, m); !e.empty()) return 誤り(手数, e);
        res_.記録.手.push_back(m);
    }

    std::string 指し手を読む(std::u32string_view t, 記録の手& m) {
        const auto& moves = res_.記録.手;
        if (始まる(t, U"同")) {
            if (moves.empty()) return "\"同\" without a move before it";
            m.先X = moves.back().先X;
            m.先Y = moves.back().先Y;
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
            const int on = pos_.p.盤[m.元X][m.元Y];
            if ((on < 0 ? -on : on) != code)
                return "the piece on the square moved from is not the one named";
        }
        m.秒 = 消費秒(t);
        return {};
    }

    const std::vector<std::string>& lines_;
    読込結果 res_;
    記録局面 pos_;
    int 行_ = 0;
    bool 止まった_ = false, 終わった_ = false, 指し手部_ = false, 局面あり_ = false;
    int 次の番号_ = 0;
    // The start as the header gives it.
    const 手合割* 手合割_ = nullptr;
    std::string 不明な手合割_;
    int 手合割行番号_ = 0;
    盤型 盤_{};
    std::array<bool, 10> 段あり_{};
    int 盤の行_ = 0;
    持駒型 手駒_[2]{};
    int 手番_ = 0;
};

}  // namespace

読込結果 KIFを読む(const std::vector<std::string>& lines) { return KIF読み(lines).読む(); }

}  // namespace yukora
