#include "formats/csa_reader.h"

#include <algorithm>

#include "formats/csa_names.h"
#include "formats/end_words.h"
#include "formats/handicap_names.h"
#include "formats/record_move.h"
#include "rules/start_position.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

bool 始まる(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

int 数字(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// How many pieces of each hand kind a set has.
constexpr int 駒の総数[8] = {0, 18, 4, 4, 4, 4, 2, 2};

// A square "77" of a statement; false unless both are 1..9.
bool 桝(std::string_view s, int& x, int& y) {
    const int f = 数字(s[0]), r = 数字(s[1]);
    if (f < 1 || r < 1) return false;
    x = 10 - f;
    y = r;
    return true;
}

class CSA読み {
public:
    explicit CSA読み(const std::vector<std::string>& lines) : lines_(lines) {
        初期配置(res_.記録.開始.p);  // the usual start unless the file gives one
    }

    読込結果 読む() {
        for (size_t i = 0; i < lines_.size() && !止まった_; ++i) {
            行_ = static_cast<int>(i) + 1;
            const std::string_view line = lines_[i];
            if (line.empty()) continue;
            if (line[0] == '\'') {
                コメント(line.substr(1));
                continue;
            }
            if (line[0] == 'N' || line[0] == '$') {
                文(line);
                continue;
            }
            size_t start = 0;
            while (!止まった_) {
                const size_t comma = line.find(',', start);
                文(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
                if (comma == std::string_view::npos) break;
                start = comma + 1;
            }
        }
        if (!res_.エラー && !指し手部_) 開始を決める(0);
        if (!res_.エラー && !読めた_) res_.エラー = 読込エラー{0, 0, "no CSA record found"};
        名前を駒落ちに();
        return std::move(res_);
    }

private:
    void 誤り(int 手数, std::string 理由) {
        res_.エラー = 読込エラー{行_, 手数, std::move(理由)};
        止まった_ = true;
    }

    int 次の手数() const { return static_cast<int>(res_.記録.手.size()) + 1; }

    void 文(std::string_view s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        if (s.empty()) return;
        if (s == "/") {
            止まった_ = true;  // only the first game of the file
            return;
        }
        if (終わった_ && (s[0] == '+' || s[0] == '-'))
            return 誤り(次の手数(), "a move after the end of the game");
        if (終わった_ && s[0] != 'T' && s[0] != '$') {
            res_.注意.push_back({行_, "a line after the end that is not read"});
            return;
        }
        if (s[0] == 'V' && s.size() > 1 && 数字(s[1]) >= 0) 読めた_ = true;
        else if (始まる(s, "N+")) 見出し("先手", s.substr(2));
        else if (始まる(s, "N-")) 見出し("後手", s.substr(2));
        else if (始まる(s, "$")) 情報(s.substr(1));
        else if (始まる(s, "PI")) 平手から(s.substr(2));
        else if (s.size() >= 2 && s[0] == 'P' && s[1] >= '1' && s[1] <= '9') 盤の段(s);
        else if (始まる(s, "P+") || 始まる(s, "P-")) 駒を置く(s);
        else if (s == "+" || s == "-") 読めた_ = true, 開始を決める(s[0] == '+' ? 先手 : 後手);
        else if (s[0] == '+' || s[0] == '-') 読めた_ = true, 指し手(s);
        else if (s[0] == 'T') 時間(s.substr(1));
        else if (s[0] == '%') 読めた_ = true, 終局(s.substr(1));
        else res_.注意.push_back({行_, "a line that CSA does not have is not read"});
    }

    // Blanks around the value are not part of it, as in KIF.
    void 見出し(std::string_view key, std::string_view value) {
        res_.記録.見出し.push_back({std::string(key), UTF8へ(空白を除く(符号点へ(value)))});
        読めた_ = true;
    }

    // "$EVENT:…": the keys KIF shares under its own names, the others as they stand.
    void 情報(std::string_view s) {
        const size_t colon = s.find(':');
        if (colon == std::string_view::npos || colon == 0)
            return 誤り(指し手部_ ? 次の手数() : 0, "a \"$\" line without a key");
        const std::string_view key = s.substr(0, colon), kif = KIFの見出し名(key);
        見出し(kif.empty() ? "$" + std::string(key) : std::string(kif), s.substr(colon + 1));
    }

    // "'*…" is a comment of the move before it (or of the start); so is any other "'" line but
    // the one that names the encoding.
    void コメント(std::string_view text) {
        if (始まる(text, "CSA encoding=")) return;
        if (始まる(text, "*")) text.remove_prefix(1);
        手の列& line = res_.記録;
        std::vector<std::string>& to = 終わった_         ? line.終局のコメント
                                       : line.手.empty() ? res_.記録.開始のコメント
                                                         : line.手.back().コメント;
        to.emplace_back(text);
    }

    // The names of a handicap game are those of 下手 and 上手.
    void 名前を駒落ちに() {
        if (!後手の駒落ちか(res_.記録.開始.p)) return;
        for (見出し項目& h : res_.記録.見出し) {
            if (h.名前 == "先手") h.名前 = "下手";
            else if (h.名前 == "後手") h.名前 = "上手";
        }
    }

    // Position lines come before the moves. The board a file builds square by square starts
    // empty; until then it is the usual start.
    bool 局面の行か(bool 平手から置く) {
        読めた_ = true;
        if (指し手部_) {
            誤り(次の手数(), "a position line among the moves");
            return false;
        }
        if (!局面を書いた_ && !平手から置く) res_.記録.開始.p.盤 = {};
        局面を書いた_ = true;
        return true;
    }

    void 平手から(std::string_view list) {
        if (!局面の行か(true)) return;
        局面& p = res_.記録.開始.p;
        初期配置(p);
        for (size_t i = 0; i < list.size(); i += 4) {
            int x = 0, y = 0;
            if (i + 4 > list.size() || !桝(list.substr(i), x, y))
                return 誤り(0, "a square of PI cannot be read");
            const int code = CSA名の駒(list.substr(i + 2, 2));
            if (code == 0 || (p.盤[x][y] < 0 ? -p.盤[x][y] : p.盤[x][y]) != code)
                return 誤り(0, "PI takes away a piece that is not there");
            p.盤[x][y] = 0;
        }
    }

    void 盤の段(std::string_view s) {
        if (!局面の行か(false)) return;
        const int y = s[1] - '0';
        std::string row(s.substr(2));
        row.resize(27, ' ');  // trailing empty squares may have lost their blanks
        for (int x = 1; x <= 9; ++x) {
            const std::string_view cell =
                std::string_view(row).substr(static_cast<size_t>(3 * (x - 1)), 3);
            int code = 0;
            if (cell[0] == '+' || cell[0] == '-') {
                code = CSA名の駒(cell.substr(1));
                if (code == 0) return 誤り(0, "an unknown piece on the board");
                if (cell[0] == '+') code = -code;
            } else if (cell.find_first_not_of(" *") != std::string_view::npos) {
                return 誤り(0, "a square of the board cannot be read");
            }
            res_.記録.開始.p.盤[x][y] = static_cast<駒型>(code);
        }
    }

    // "P+00KI00FU" (in hand), "P-5142OU"… and "P+00AL" (every piece not placed yet).
    void 駒を置く(std::string_view s) {
        if (!局面の行か(false)) return;
        const bool sente = s[1] == '+';
        局面& p = res_.記録.開始.p;
        for (size_t i = 2; i < s.size(); i += 4) {
            if (i + 4 > s.size()) return 誤り(0, "a piece of the position cannot be read");
            const std::string_view item = s.substr(i, 4);
            if (item == "00AL") return 残りを手駒に(sente ? p.MAN持駒 : p.COM持駒);
            const int code = CSA名の駒(item.substr(2));
            int x = 0, y = 0;
            if (code == 0) return 誤り(0, "an unknown piece in the position");
            if (item.substr(0, 2) == "00") {
                const int kind = 持駒種類(code);
                if (kind == 0 || 持駒の駒(kind) != code)
                    return 誤り(0, "that piece cannot be in hand");
                持駒型& hand = sente ? p.MAN持駒 : p.COM持駒;
                if (p.MAN持駒[kind] + p.COM持駒[kind] >= 駒の総数[kind])
                    return 誤り(0, "the hands hold more of a piece than a set has");
                hand[kind] = static_cast<駒型>(hand[kind] + 1);
            } else if (桝(item, x, y)) {
                p.盤[x][y] = static_cast<駒型>(sente ? -code : code);
            } else {
                return 誤り(0, "a square of the position cannot be read");
            }
        }
    }

    void 残りを手駒に(持駒型& hand) {
        int used[8] = {};
        const 局面& p = res_.記録.開始.p;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) ++used[持駒種類(p.盤[x][y])];
        for (int k = 1; k <= 7; ++k) {
            const int left = 駒の総数[k] - used[k] - p.MAN持駒[k] - p.COM持駒[k];
            if (left > 0) hand[k] = static_cast<駒型>(hand[k] + left);
        }
    }

    void 開始を決める(int 手番) {
        if (指し手部_) return;
        指し手部_ = true;
        記録局面& start = res_.記録.開始;
        if (手番 != 0) start.手番 = 手番;
        if (std::string e = 開始局面の問題(start.p, 玉の数::片方でもよい); !e.empty())
            return 誤り(0, "the start position: " + e);
        for (int k = 1; k <= 7; ++k) {
            start.p.MAN持駒数 += start.p.MAN持駒[k];
            start.p.COM持駒数 += start.p.COM持駒[k];
        }
        pos_ = start;
    }

    void 指し手(std::string_view s) {
        const int 手数 = 次の手数();
        const int side = s[0] == '+' ? 先手 : 後手;
        if (!指し手部_) {
            // A file of moves alone starts from its position, the first mover's turn.
            開始を決める(局面を書いた_ ? side : 先手);
            if (止まった_) return;
        }
        if (s.size() != 7) return 誤り(手数, "a move cannot be read");
        if (side != pos_.手番) return 誤り(手数, "a move of the side not to move");
        記録の手 m;
        const int code = CSA名の駒(s.substr(5, 2));
        if (code == 0 || !桝(s.substr(3), m.先X, m.先Y)) return 誤り(手数, "a move cannot be read");
        if (s.substr(1, 2) == "00") {
            m.打駒 = 持駒種類(code);
            if (m.打駒 == 0 || 持駒の駒(m.打駒) != code)
                return 誤り(手数, "that piece cannot be dropped");
        } else {
            if (!桝(s.substr(1), m.元X, m.元Y)) return 誤り(手数, "a move cannot be read");
            const int on = pos_.p.盤[m.元X][m.元Y];
            const int a = on < 0 ? -on : on;
            m.成り = a != code && a + 1 == code && 持駒種類(a) != 0;
            if (a != code && !m.成り)
                return 誤り(手数, "the piece after the move does not match the piece moved");
        }
        if (std::string e = 記録の手を指す(pos_, m); !e.empty()) return 誤り(手数, e);
        res_.記録.手.push_back(m);
    }

    // The time of the move before it, or of the end after "%…".
    void 時間(std::string_view s) {
        int sec = 0;
        for (const char c : s) {
            if (数字(c) < 0) break;  // "T12.345" (version 3) keeps the whole seconds
            sec = std::min(sec * 10 + 数字(c), 記録秒の上限);
        }
        if (終わった_) res_.記録.終局の秒 = sec;
        else if (!res_.記録.手.empty()) res_.記録.手.back().秒 = sec;
    }

    void 終局(std::string_view word) {
        if (!指し手部_) 開始を決める(局面を書いた_ ? 0 : 先手);
        if (止まった_) return;
        res_.記録.終局 = CSA語の終局(word, pos_.手番);
        終わった_ = true;
    }

    const std::vector<std::string>& lines_;
    読込結果 res_;
    記録局面 pos_;
    int 行_ = 0;
    bool 止まった_ = false, 終わった_ = false, 指し手部_ = false, 読めた_ = false,
         局面を書いた_ = false;
};

}  // namespace

読込結果 CSAを読む(const std::vector<std::string>& lines) { return CSA読み(lines).読む(); }

}  // namespace yukora
