// Plays games through the game's own events and writes each as the program would export it:
// KIF (.kif, .kifu), CSA and, where the format allows, ".棋譜". The tsshogi checker reads them.
//   kifu_samples OUTDIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "flow/flow_fakes.h"
#include "formats/file_formats.h"
#include "formats/game_end.h"
#include "formats/game_record.h"
#include "game/board_view.h"
#include "rules/making_move.h"
#include "rules/move_legality.h"

namespace yukora {
namespace {

using test::進行試験::試験台;

struct 候補 {
    int 元X, 元Y, 先X, 先Y, 駒;
    bool 成る;
};

bool 取られるか(const 局面& p, bool 下) {
    const int king = 下 ? -王 : 王;
    for (int kx = 1; kx <= 9; ++kx)
        for (int ky = 1; ky <= 9; ++ky) {
            if (p.盤[kx][ky] != king) continue;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const int c = p.盤[x][y];
                    if ((下 ? 敵駒か(c) : 自駒か(c)) && 移動チェック(p, x, y, kx, ky, c) == 1)
                        return true;
                }
        }
    return false;
}

局面 指した後(const 局面& p, const 候補& m) {
    局面 q = p;
    進行状態 s;
    描画なし view;
    int 駒 = m.駒;
    if (m.成る) 駒 = 駒 > 0 ? 駒 + 1 : 駒 - 1;
    const int 元Y = m.元X == 敵持駒列 ? 持駒種類(m.駒) : m.元Y;
    駒移動(q, s.番, view, m.元X, 元Y, m.先X, m.先Y, 駒);
    return q;
}

// Every move of the side that standard shogi allows too: no king left to be taken, no king
// taken, no pawn dropped with check (so never a mate by a dropped pawn).
std::vector<候補> 指せる手(局面 p, bool 下) {
    調査_2歩フラグ設定(p);
    std::vector<候補> all;
    auto add = [&](int 元X, int 元Y, int x, int y, int code) {
        if (移動チェック(p, 元X, 元Y, x, y, code) != 1) return;
        if (p.盤[x][y] == 王 || p.盤[x][y] == -王) return;
        const bool drop = 元X == 自持駒列 || 元X == 敵持駒列;
        int 成駒 = 0;
        const bool 成れる = !drop && 調査_駒成(元X, 元Y, x, y, code, 成駒) == 1;
        if (移動後チェック(y, code) == 1) all.push_back({元X, 元Y, x, y, code, false});
        if (成れる) all.push_back({元X, 元Y, x, y, code, true});
    };
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.盤[x][y];
            if (下 ? !自駒か(c) : !敵駒か(c)) continue;
            for (int u = 1; u <= 9; ++u)
                for (int v = 1; v <= 9; ++v) add(x, y, u, v, c);
        }
    const 持駒型& hand = 下 ? p.MAN持駒 : p.COM持駒;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] <= 0) continue;
        const int code = 下 ? -持駒の駒(k) : 持駒の駒(k);
        for (int u = 1; u <= 9; ++u)
            for (int v = 1; v <= 9; ++v)
                add(下 ? 自持駒列 : 敵持駒列, 下 ? 自持駒の行(k) : 敵持駒の行(k), u, v, code);
    }
    std::vector<候補> out;
    for (const 候補& m : all) {
        const 局面 q = 指した後(p, m);
        if (取られるか(q, 下)) continue;
        const bool 歩を打つ =
            (m.駒 == 歩 || m.駒 == -歩) && (m.元X == 自持駒列 || m.元X == 敵持駒列);
        if (歩を打つ && 取られるか(q, !下)) continue;
        out.push_back(m);
    }
    return out;
}

class 対局者 {
public:
    explicit 対局者(unsigned seed) : rng_(seed) {}

    // One move of the side to move through two presses; false when there is none.
    bool 指す(試験台& t) {
        const 進行状態& s = t.st().進行;
        const bool 下 = s.番.手番 == s.番.MAN番;
        const auto moves = 指せる手(t.st().盤面, 下);
        if (moves.empty()) return false;
        // Captures are preferred now and then, so that hands fill and drops follow.
        std::vector<候補> pool;
        for (const 候補& m : moves)
            if (m.元X >= 1 && m.元X <= 9 && t.st().盤面.盤[m.先X][m.先Y] != 0) pool.push_back(m);
        if (pool.empty() || rng_() % 3 != 0) pool = moves;
        const 候補 m = pool[std::uniform_int_distribution<size_t>(0, pool.size() - 1)(rng_)];
        考える(t);
        const int before = s.数.手数;
        t.押す(m.元X, m.元Y);
        t.押す(m.先X, m.先Y, m.成る ? ボタン_右 : ボタン_左);
        if (s.数.手数 == before) throw std::runtime_error("a move was refused");
        return true;
    }

    // A few seconds on the clock before the move.
    void 考える(試験台& t) {
        t.timer.on = true;
        t.clock.今 += static_cast<float>(1 + rng_() % 90) + 0.5f;
        t.game->Timer1_Timer();
    }

private:
    std::mt19937 rng_;
};

struct 見本 {
    std::string 名前;
    std::function<void(試験台&, 対局者&)> 指し方;
};

void 何手か(試験台& t, 対局者& a, int n) {
    for (int i = 0; i < n && t.st().進行.番.勝者 == 0; ++i) {
        const 進行状態& s = t.st().進行;
        if (s.番.対局モード == 1 && s.番.手番 == s.番.COM番) {
            t.押す(13, 11);  // a press off the board lets the computer move
            continue;
        }
        if (!a.指す(t)) break;
    }
}

// The side to move leaves its king to be taken, and the other side takes it.
void 王を取らせる(試験台& t, 対局者& a) {
    for (int tries = 0; tries < 200 && t.st().進行.番.勝者 == 0; ++tries) {
        const 進行状態& s = t.st().進行;
        const bool 下 = s.番.手番 == s.番.MAN番;
        局面 p = t.st().盤面;
        調査_2歩フラグ設定(p);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int c = p.盤[x][y];
                if (c != (下 ? -王 : 王)) continue;
                for (int u = 1; u <= 9; ++u)
                    for (int v = 1; v <= 9; ++v) {
                        if (移動チェック(p, x, y, u, v, c) != 1) continue;
                        const 局面 q = 指した後(p, {x, y, u, v, c, false});
                        if (!取られるか(q, 下)) continue;
                        t.押す(x, y);
                        t.押す(u, v);
                        // The taker's move.
                        for (int i = 1; i <= 9; ++i)
                            for (int j = 1; j <= 9; ++j)
                                if (移動チェック(q, i, j, u, v, q.盤[i][j]) == 1 &&
                                    (下 ? 敵駒か(q.盤[i][j]) : 自駒か(q.盤[i][j]))) {
                                    const bool must = 移動後チェック(v, q.盤[i][j]) == 0;
                                    t.押す(i, j);
                                    t.押す(u, v, must ? ボタン_右 : ボタン_左);
                                    return;
                                }
                    }
            }
        if (!a.指す(t)) return;  // no king move into danger now: play on
    }
}

const std::vector<見本>& 見本一覧() {
    static const std::vector<見本> list = {
        {"hirate-two-humans",
         [](試験台& t, 対局者& a) {
             t.game->START_Click();
             何手か(t, a, 120);
         }},
        {"man-sente",
         [](試験台& t, 対局者& a) {
             t.game->SENTE_Click();
             何手か(t, a, 90);
         }},
        {"man-gote",
         [](試験台& t, 対局者& a) {
             t.game->GOTE_Click();
             何手か(t, a, 90);
         }},
        {"handicap-2-com-first",
         [](試験台& t, 対局者& a) {
             t.game->LBEL_UP_Click();
             t.game->LBEL_UP_Click();
             t.game->GOTE_Click();
             何手か(t, a, 70);
         }},
        {"handicap-man-3-man-first",
         [](試験台& t, 対局者& a) {
             for (int i = 0; i < 3; ++i) t.game->LEBEL_DOWN_Click();
             t.game->SENTE_Click();
             何手か(t, a, 70);
         }},
        {"handicap-9-com-first",
         [](試験台& t, 対局者& a) {
             for (int i = 0; i < 9; ++i) t.game->LBEL_UP_Click();
             t.game->GOTE_Click();
             何手か(t, a, 60);
         }},
        {"handicap-1-full-side-first",
         [](試験台& t, 対局者& a) {
             t.game->LBEL_UP_Click();
             t.game->SENTE_Click();
             何手か(t, a, 60);
         }},
        {"reverse-two-humans",
         [](試験台& t, 対局者& a) {
             t.game->START_Click();
             何手か(t, a, 20);
             t.game->メニュー選択(メニュー操作::REVERSE);
             何手か(t, a, 31);
         }},
        {"reverse-against-computer",
         [](試験台& t, 対局者& a) {
             t.game->SENTE_Click();
             何手か(t, a, 11);
             t.game->メニュー選択(メニュー操作::REVERSE);
             何手か(t, a, 40);
         }},
        {"king-taken",
         [](試験台& t, 対局者& a) {
             t.game->START_Click();
             何手か(t, a, 30);
             王を取らせる(t, a);
         }},
    };
    return list;
}

bool 書く(const std::filesystem::path& path, const 対局記録& r, 棋譜形式 f) {
    const 書込結果 w = 棋譜を書く(r, f);
    if (!w.理由.empty()) return false;
    std::ofstream(path, std::ios::binary) << w.内容;
    return true;
}

}  // namespace
}  // namespace yukora

int main(int argc, char** argv) {
    using namespace yukora;
    if (argc != 2) {
        std::fprintf(stderr, "usage: kifu_samples OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    unsigned seed = 1;
    for (const 見本& g : 見本一覧()) {
        試験台 t;
        対局者 a(seed++);
        try {
            g.指し方(t, a);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", g.名前.c_str(), e.what());
            return 1;
        }
        const ゲーム状態& st = t.st();
        const 棋譜見出し h{"見本対局 " + g.名前, "先手 太郎", "後手 花子"};  // Text2, Text3, Text4
        const 読込結果 r = 対局を記録に(st.手順, st.盤面, st.進行, h, "2024/01/02 10:00:00",
                                        終局を調べる(st.盤面, st.進行));
        if (r.エラー) {
            std::fprintf(stderr, "%s: move %d: %s\n", g.名前.c_str(), r.エラー->手数,
                         r.エラー->理由.c_str());
            return 1;
        }
        const std::filesystem::path base = dir / g.名前;
        bool ok = 書く(base.string() + ".kif", r.記録, 棋譜形式::KIF) &&
                  書く(base.string() + ".kifu", r.記録, 棋譜形式::KIFU) &&
                  書く(base.string() + ".csa", r.記録, 棋譜形式::CSA);
        const bool 棋譜も = 書く(base.string() + ".棋譜", r.記録, 棋譜形式::棋譜);
        if (!ok) {
            std::fprintf(stderr, "%s: could not be written\n", g.名前.c_str());
            return 1;
        }
        std::printf("%s: %zu moves%s\n", g.名前.c_str(), r.記録.手.size(),
                    棋譜も ? ", also .棋譜" : "");
    }
    return 0;
}
