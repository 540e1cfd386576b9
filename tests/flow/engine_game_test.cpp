// Engine games through the game's own events, on fake engine processes: how each ends, what
// the person is told, what the engine hears, and the record's last lines.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <fstream>
#include <iterator>

#include "engine/engines_ini.h"
#include "flow/flow_fakes.h"
#include "rules/sfen.h"

namespace yukora {
namespace {

// The game with one registered engine "E" that answers usi and isready at once and each go
// with the next of its answers, after thinking 考える milliseconds.
class エンジン対局台 : public test::進行試験::試験台 {
public:
    std::deque<std::string> 答え;
    ミリ秒 考える = 0;

    explicit エンジン対局台(持ち時間設定 time = {}, const std::string& path = "/opt/e") {
        エンジン設定 s;
        s.一覧.push_back({1, "E", "", path, {{"Level", "1"}}});
        s.対局エンジン = 1;
        s.時間 = time;
        書込_エンジン設定(フォルダ.string(), s);
    }
    test::偽のプロセス& エンジン() { return *プロセス.at(0); }
    void 回す() {
        for (bool more = true; more;) {
            more = false;
            for (std::size_t i = 0; i < プロセス.size(); ++i) more = 答える(i) || more;
        }
    }
    // A move in USI notation made with presses ("+": the right button on the destination).
    void 人が指す(const std::string& usi) {
        const auto x = [](char f) { return 10 - (f - '0'); };
        const auto y = [](char r) { return r - 'a' + 1; };
        if (usi[1] == '*')
            窓で押す(自持駒列,
                     自持駒の行(static_cast<int>(std::string("PLNSGBR").find(usi[0])) + 1));
        else 窓で押す(x(usi[0]), y(usi[1]));
        窓で押す(x(usi[2]), y(usi[3]), usi.size() == 5 ? ボタン_右 : ボタン_左);
        回す();
    }

private:
    std::vector<std::size_t> 読んだ_;
    bool 答える(std::size_t i) {
        読んだ_.resize(プロセス.size());
        if (プロセス[i] == nullptr) return false;
        test::偽のプロセス& p = *プロセス[i];
        bool any = false;
        while (読んだ_[i] < p.書いた.size()) {
            const std::string line = p.書いた[読んだ_[i]++];
            any = true;
            if (line == "usi")
                p.出す({"id name E", "option name Level type spin default 3 min 1 max 3", "usiok"});
            else if (line == "isready") p.出す({"readyok"});
            else if (line.starts_with("go") && !答え.empty()) {
                エンジン時計.今 += 考える;
                const std::string b = "bestmove " + 答え.front();
                答え.pop_front();
                p.出す({"info depth 2 score cp 50 pv 3c3d", b});
            }
        }
        return any;
    }
};

std::string 中身(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct 終局の場合 {
    const char* 名;
    const char* 開始;  // SFEN with 先手 (the person) to move; empty: the usual start
    持ち時間設定 時間;
    ミリ秒 考える;
    std::vector<std::string> 人の手, 答え;
    enum 操作 { なし, 投了, 中断, 待つ, 落ちる } 最後;
    const char* 知らせ;
    終局理由 終局;
    const char* gameover;  // what the engine was told last ("" when it was only ended)
    const char* まで;      // the KIF record's last line
    const char* CSA;       // the CSA record's end
};

TEST(エンジン対局, 終わり方ごとに知らせと記録とエンジンへの通知) {
    const std::vector<std::string> 往復{"2h3h", "3h2h", "2h3h", "3h2h", "2h3h", "3h2h"};
    const std::vector<std::string> 王手{"9i9h", "9h9i", "9i9h", "9h9i", "9i9h", "9h9i", "9i9h"};
    const 終局の場合 表[] = {
        {"ｴﾝｼﾞﾝの投了",
         "",
         {},
         0,
         {"7g7f"},
         {"resign"},
         終局の場合::なし,
         "ｴﾝｼﾞﾝ「E」が投了しました\n\nあなたの勝ちです",
         終局理由::投了,
         "gameover lose",
         "まで1手で先手の勝ち",
         "%TORYO"},
        {"ｴﾝｼﾞﾝの反則",
         "",
         {},
         0,
         {"7g7f"},
         {"5e5d"},
         終局の場合::なし,
         "ｴﾝｼﾞﾝ「E」の指し手 5e5d は指せない手です\n\nあなたの勝ちです",
         終局理由::反則負け,
         "gameover lose",
         "まで1手で後手の反則負け",
         "%ILLEGAL_MOVE"},
        {"入玉宣言の誤り",
         "",
         {},
         0,
         {"7g7f"},
         {"win"},
         終局の場合::なし,
         "ｴﾝｼﾞﾝ「E」の入玉宣言は条件を満たしていません\n\nあなたの勝ちです",
         終局理由::反則負け,
         "gameover lose",
         "まで1手で後手の反則負け",
         "%ILLEGAL_MOVE"},
        {"人の投了",
         "",
         {},
         0,
         {"7g7f", "2g2f"},
         {"3c3d", "8c8d"},
         終局の場合::投了,
         "あなたが投了しました\n\nｴﾝｼﾞﾝ「E」の勝ちです",
         終局理由::投了,
         "gameover win",
         "まで4手で後手の勝ち",
         "%TORYO"},
        {"人の時間切れ",
         "",
         {0, 10, 0},
         0,
         {"7g7f"},
         {"3c3d"},
         終局の場合::待つ,
         "あなたの時間切れです\n\nｴﾝｼﾞﾝ「E」の勝ちです",
         終局理由::切れ負け,
         "gameover win",
         "まで2手で時間切れにより後手の勝ち",
         "%TIME_UP"},
        {"ｴﾝｼﾞﾝの時間切れ",
         "",
         {0, 10, 0},
         10'001,
         {"7g7f"},
         {"3c3d"},
         終局の場合::なし,
         "ｴﾝｼﾞﾝ「E」の時間切れです\n\nあなたの勝ちです",
         終局理由::切れ負け,
         "gameover lose",
         "まで1手で時間切れにより先手の勝ち",
         "%TIME_UP"},
        {"千日手",
         "",
         {},
         0,
         往復,
         {"8b7b", "7b8b", "8b7b", "7b8b", "8b7b", "7b8b"},
         終局の場合::なし,
         "千日手です\n\n引き分けです",
         終局理由::千日手,
         "gameover draw",
         "まで12手で千日手",
         "%SENNICHITE"},
        {"連続王手の千日手",
         "7rk/9/9/9/9/9/9/9/K8 b -",
         {},
         0,
         王手,
         {"2a2h", "2h2i", "2i2h", "2h2i", "2i2h", "2h2i", "2i2h"},
         終局の場合::なし,
         "連続王手の千日手です\nｴﾝｼﾞﾝ「E」の反則負けです\n\nあなたの勝ちです",
         終局理由::反則勝ち,
         "gameover lose",
         "まで14手で先手の反則勝ち",
         "%-ILLEGAL_ACTION"},
        {"中断",
         "",
         {},
         0,
         {"7g7f"},
         {},
         終局の場合::中断,
         "対局を中断しました",
         終局理由::中断,
         "",
         "まで1手で中断",
         "%CHUDAN"},
        {"ｴﾝｼﾞﾝの故障",
         "",
         {},
         0,
         {"7g7f"},
         {},
         終局の場合::落ちる,
         "ｴﾝｼﾞﾝ「E」が終了しました\n(終了コード 1)\n\n対局を中断しました。棋譜は保存できます",
         終局理由::中断,
         "",
         "まで1手で中断",
         "%CHUDAN"},
    };
    for (const 終局の場合& c : 表) {
        SCOPED_TRACE(c.名);
        エンジン対局台 t(c.時間);
        t.答え.assign(c.答え.begin(), c.答え.end());
        t.考える = c.考える;
        if (*c.開始 != '\0') {
            const std::string sfen = c.開始;
            手番付き局面 pos;
            ASSERT_EQ(SFEN読込(sfen.substr(0, sfen.find(' ')), "b", "-", pos), "");
            t.st().盤面 = pos.p;
        }
        t.選ぶ(メニュー操作::ENGINE_SENTE);
        t.回す();
        for (const std::string& m : c.人の手) t.人が指す(m);
        if (c.最後 == 終局の場合::投了) t.選ぶ(メニュー操作::TOURYOU);
        if (c.最後 == 終局の場合::中断) t.選ぶ(メニュー操作::ENGINE_STOP);
        if (c.最後 == 終局の場合::待つ) t.エンジン時計.今 += 10'001;
        if (c.最後 == 終局の場合::落ちる) t.エンジン().受け手->終了した(1, false);
        t.game->エンジン時刻();
        EXPECT_EQ(t.dialog.最後(), std::string("終了: ") + c.知らせ);
        ASSERT_TRUE(t.game->エンジン対局部() != nullptr);
        EXPECT_EQ(t.game->エンジン対局部()->終局, c.終局);
        const std::vector<std::string> told = t.エンジン().書いた行("gameover");
        EXPECT_EQ(told.empty() ? "" : told.back(), c.gameover);
        EXPECT_TRUE(t.エンジン().終えた);
        EXPECT_EQ(t.エンジン().書いた行("setoption"),
                  std::vector<std::string>{"setoption name Level value 1"});
        // Copied or saved as KIF (UTF-8), the record ends in these words and names the engine.
        t.選ぶ(メニュー操作::COPY_KIF);
        EXPECT_NE(t.desktop.中身.find(c.まで), std::string::npos) << t.desktop.中身;
        t.panel.フォルダ = t.フォルダ.string();
        t.game->KIF_WRITE_Click();
        t.panel.文字[棋譜欄::Text1] = "e.kifu";
        t.game->Command1_Click();
        const std::string kif = 中身(t.フォルダ / "e.kifu");
        EXPECT_NE(kif.find("後手：E"), std::string::npos);
        EXPECT_NE(kif.find(c.まで), std::string::npos) << kif;
        t.game->KIF_WRITE_Click();
        t.panel.文字[棋譜欄::Text1] = "e.csa";
        t.game->Command1_Click();
        const std::string csa = 中身(t.フォルダ / "e.csa");
        EXPECT_NE(csa.find(std::string("\r\n") + c.CSA + "\r\n"), std::string::npos) << csa;
    }
}

// While the engine thinks: 戻 stops it and drops its answer, the next press goes on from the
// position shown; 投了 waits for its move; 終わり ends its process.
TEST(エンジン対局, 考え中の戻と投了と終わり) {
    エンジン対局台 t;
    t.選ぶ(メニュー操作::ENGINE_SENTE);
    t.回す();
    t.人が指す("7g7f");
    t.選ぶ(メニュー操作::REPLAY);
    EXPECT_EQ(t.エンジン().書いた.back(), "stop");
    t.エンジン().出す({"bestmove 3c3d"});
    EXPECT_EQ(t.st().進行.数.手数, 0);
    EXPECT_EQ(t.st().盤面.盤[3][7], -歩);
    t.人が指す("2g2f");
    EXPECT_EQ(t.エンジン().書いた行("position").back(), "position startpos moves 2g2f");
    t.選ぶ(メニュー操作::TOURYOU);
    EXPECT_EQ(t.エンジン().書いた.back(), "stop");
    t.エンジン().出す({"bestmove 8c8d"});
    t.game->エンジン時刻();
    EXPECT_EQ(t.st().盤面.盤[2][4], 歩);
    EXPECT_EQ(t.dialog.最後(), "終了: あなたが投了しました\n\nｴﾝｼﾞﾝ「E」の勝ちです");
    t.選ぶ(メニュー操作::ENGINE_GOTE);
    t.回す();
    EXPECT_EQ(t.プロセス.at(1)->書いた行("position").back(), "position startpos");
    t.選ぶ(メニュー操作::OWARI);
    EXPECT_TRUE(t.終了した);
    EXPECT_EQ(t.プロセス, (std::vector<test::偽のプロセス*>{nullptr, nullptr}));  // both let go
}

TEST(エンジン対局, 起動できないエンジンはすぐに知らせる) {
    エンジン対局台 t({}, "/missing/e");
    t.選ぶ(メニュー操作::ENGINE_SENTE);
    EXPECT_EQ(t.dialog.最後(),
              "終了: ｴﾝｼﾞﾝ「E」を起動できません\n(ファイルがありません: /missing/e)\n\n"
              "対局を中断しました。棋譜は保存できます");
    t.窓で押す(3, 7);
    EXPECT_EQ(t.dialog.最後(), "終局: 新規に対局してください");
}

// Engines against each other: here the registered engine (先手, at the bottom) against the
// computer, which answers at the next tick.
TEST(エンジン対局, ｴﾝｼﾞﾝ同士ではCOMも相手になる) {
    エンジン対局台 t;
    t.答え = {"7g7f", "2g2f"};
    t.選ぶ(メニュー操作::ENGINE_BOTH);
    t.回す();
    EXPECT_EQ(t.st().進行.数.手数, 1);
    t.game->エンジン時刻();
    t.回す();
    const std::vector<std::string> asked = t.エンジン().書いた行("position");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], "position startpos moves 7g7f 3c3d");
    EXPECT_EQ(t.st().進行.数.手数, 3);
    t.人が指す("9g9f");  // the person only watches
    EXPECT_EQ(t.st().進行.数.手数, 3);
}

// The white texts of size `size` printed at grid point (x, y), last one last.
std::vector<std::string> 白い文字(エンジン対局台& t, double x, double y, int size) {
    const std::string at = "文字 " + std::to_string(std::lround(1050 + 570 * x)) + " " +
                           std::to_string(std::lround(100 + 660 * y)) + " " + std::to_string(size) +
                           " 15 ";
    std::vector<std::string> out;
    for (const std::string& c : t.screen.絞込(at)) out.push_back(c.substr(at.size()));
    return out;
}

TEST(エンジン対局, 両方の時計と思考の行を盤の周りに出す) {
    エンジン対局台 t({1, 10, 0});
    t.答え = {"3c3d"};
    t.選ぶ(メニュー操作::ENGINE_SENTE);
    t.回す();
    t.エンジン時計.今 += 15'500;
    t.game->エンジン時刻();
    EXPECT_EQ(白い文字(t, 13, 9.2, 12).back(), "00:45");    // the person's, at the bottom right
    EXPECT_EQ(白い文字(t, -1.6, 9.2, 12).back(), "01:00");  // the engine's, at the top left
    t.人が指す("7g7f");
    t.game->エンジン時刻();
    // The engine's +50 is the person's -50; its pv in Japanese.
    EXPECT_EQ(白い文字(t, -1.8, 10.1, 10).back(), "深さ 2  評価値 -50  ３四歩");
    t.エンジン時計.今 += 50'000;  // 44.5 s of main time, then 5.5 s of the 10
    t.game->エンジン時刻();
    EXPECT_EQ(白い文字(t, 13, 9.2, 12).back(), "秒読み 5");
    t.エンジン時計.今 += 5'000;
    t.game->エンジン時刻();
    EXPECT_EQ(白い文字(t, 13, 9.2, 12).back(), "秒読み 0");
    EXPECT_EQ(t.dialog.最後(), "終了: あなたの時間切れです\n\nｴﾝｼﾞﾝ「E」の勝ちです");
}

}  // namespace
}  // namespace yukora
