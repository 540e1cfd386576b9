// Engine games: the start, the engines' reports, the tick of the clocks, the ends.
#include <algorithm>
#include <span>

#include "engine/declaration.h"
#include "flow/game.h"
#include "panel/panel_commands.h"
#include "rules/initial_setup.h"

namespace yukora {
namespace {

constexpr const char* 対局題 = "対局(ｴﾝｼﾞﾝ)";

勝敗 側の勝敗(int 勝者, int 側) {
    return 勝者 == 0 ? 勝敗::引き分け : 勝者 == 側 ? 勝敗::勝ち : 勝敗::負け;
}

}  // namespace

bool ゲーム::エンジン対局中() const {
    return エンジン_ != nullptr && 状態.進行.番.対局モード == 対局モード_エンジン;
}

std::optional<終局理由> ゲーム::エンジン対局の終局() const {
    if (!エンジン対局中()) return std::nullopt;
    return エンジン_->終わった ? エンジン_->終局 : 終局理由::中断;
}

ミリ秒 ゲーム::経過ミリ秒() const { return 窓口_.エンジン->時計.ミリ秒(); }

手番付き局面 ゲーム::USIの局面() const {
    const int 手番 = 状態.進行.番.手番 == 状態.進行.番.MAN番 ? エンジン_->側の番(true)
                                                             : エンジン_->側の番(false);
    return USIから見た局面(状態.盤面, エンジン_->下が先手, 手番);
}

std::string ゲーム::対局者名(bool 下側) const {
    const エンジン対局の側& side = 下側 ? エンジン_->下 : エンジン_->上;
    switch (side.者) {
        case 指す者::人: return "あなた";
        case 指す者::COM: return "COM";
        case 指す者::エンジン: return "ｴﾝｼﾞﾝ「" + side.名前 + "」";
    }
    return {};
}

std::string ゲーム::結果の文(int 勝者) const {
    if (勝者 == 0) return "引き分けです";
    const bool 下側 = 勝者 == 状態.進行.番.MAN番;
    const エンジン対局の側& side = 下側 ? エンジン_->下 : エンジン_->上;
    if (side.者 == 指す者::人) return "あなたの勝ちです";
    if (エンジン_->下.者 == 指す者::人) return 対局者名(下側) + "の勝ちです";
    return std::string(エンジン_->側の番(下側) == 先手 ? "先手" : "後手") + "の勝ちです";
}

bool ゲーム::対局を変える命令か(メニュー操作 item) const {
    using enum メニュー操作;
    switch (item) {
        case START:
        case SENTE:
        case GOTE:
        case CANCEL:
        case REVERSE:
        case LBEL_UP:
        case LEBEL_DOWN:
        case ENGINE_SENTE:
        case ENGINE_GOTE:
        case ENGINE_BOTH: return true;
        default: return false;
    }
}

void ゲーム::エンジン対局を片付ける() {
    if (エンジン_ == nullptr) return;
    for (bool 下側 : {true, false})
        if (auto& e = エンジン_->側(下側).対話) e->終える();
    エンジン_.reset();
    保留の知らせ_.clear();
    if (窓口_.エンジン) 窓口_.エンジン->刻み.有効設定(false);
    if (状態.進行.番.対局モード == 対局モード_エンジン) 状態.進行.番.対局モード = 0;
}

void ゲーム::ENGINE_Click(int 人の番) {
    検討を止める();
    解析を止める();
    エンジン対局を片付ける();
    if (窓口_.エンジン == nullptr) return;
    const エンジン設定 set = 読込_エンジン設定(設定フォルダ());
    const 登録エンジン* first = set.探す(set.対局エンジン);
    if (first == nullptr) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ(
            "ｴﾝｼﾞﾝが登録されていません\n\nｵﾌﾟｼｮﾝ → ｴﾝｼﾞﾝ設定… で登録してください", 対局題);
        return;
    }
    const 登録エンジン* second = 人の番 == 0 ? set.探す(set.相手エンジン) : nullptr;
    進行状態& s = 状態.進行;
    // A game under way, over, loaded or turned round gives way to a fresh start; a handicap
    // set before the first move is kept.
    if (s.番.勝者 != 0 || s.数.手数 != 0 || s.番.棋譜モード == 1 || s.番.反転済 == 1) 初期設定();
    棋譜パネル_閉じる(窓口_.panel);
    窓口_.timer.有効設定(false);
    表示_.描画_棋譜読込み部分消去();
    表示_.描画_将棋盤桝();
    s.選択.選択状態 = 0;
    s.番.対局モード = 対局モード_エンジン;
    s.番.棋譜モード = 0;
    s.番.再開待ち = 0;
    s.番.MAN番 = 人の番 == 後手 ? 後手 : 先手;
    s.番.COM番 = -s.番.MAN番;
    s.番.手番 = 先手;
    s.時間.MAN時間 = s.時間.COM時間 = 0;

    auto g = std::make_unique<エンジン対局>();
    g->下が先手 = s.番.MAN番 == 先手;
    g->時計 = 対局時計(set.時間);
    g->開始 = USIから見た局面(状態.盤面, g->下が先手, 先手);
    g->基点 = s.数.手順番号;
    g->千日手.加える(状態.盤面, 先手, false);
    const auto 座らせる = [](エンジン対局の側& side, const 登録エンジン* e, 指す者 who) {
        side.者 = e != nullptr ? 指す者::エンジン : who;
        if (e != nullptr) side.名前 = e->名前;
    };
    座らせる(g->上, first, 指す者::エンジン);
    if (人の番 == 0) {
        std::swap(g->下, g->上);
        座らせる(g->上, second, 指す者::COM);
    }
    エンジン_ = std::move(g);
    for (bool 下側 : {true, false}) {
        エンジン対局の側& side = エンジン_->側(下側);
        if (side.者 != 指す者::エンジン) continue;
        const 登録エンジン* e = 下側 == (人の番 == 0) ? first : second;
        エンジン対話の受け手& owner = *this;
        side.対話 =
            std::make_unique<エンジン対話>(窓口_.エンジン->作る(), 窓口_.エンジン->時計, owner);
        side.対話->起動(e->パス, e->値, true);
        if (エンジン_->終わった) return 知らせを出す();  // it could not even be started
    }
    窓口_.エンジン->刻み.有効設定(true);
    思考の帯を描く("ｴﾝｼﾞﾝ準備中…");
    エンジン時計を描く(true, true);
    エンジン時計を描く(false, true);
}

void ゲーム::準備できた(エンジン対話& e) {
    if (検討の報告(e, nullptr, nullptr) || 解析の報告(e, nullptr, nullptr, nullptr)) return;
    if (!エンジン対局中() || エンジン_->終わった) return;
    bool all = true;
    for (bool 下側 : {true, false}) {
        エンジン対局の側& side = エンジン_->側(下側);
        if (side.対話.get() == &e) side.準備済 = true;
        all = all && (side.者 != 指す者::エンジン || side.準備済);
    }
    if (!all || !エンジン_->準備中) return;
    エンジン_->準備中 = false;
    思考の帯を描く(対局者名(true) + " 対 " + 対局者名(false));
    エンジン対局の手番();
}

// The turn of the side to move begins: its clock runs, an engine is asked for its move.
void ゲーム::エンジン対局の手番() {
    進行状態& s = 状態.進行;
    エンジン対局& g = *エンジン_;
    const bool 下側 = s.番.手番 == s.番.MAN番;
    g.停止を送った = false;
    s.時間.手番開始時刻 = 窓口_.clock.現在秒();
    const ミリ秒 now = 経過ミリ秒();
    g.時計.手番開始(g.側の番(下側), now);
    エンジン対局の側& side = g.側(下側);
    if (side.者 == 指す者::エンジン) {
        if (!下側) 思考中を示す();
        g.思考 = {};
        g.思考の局面 = USIの局面();
        const std::size_t n = static_cast<std::size_t>(s.数.手順番号 - g.基点);
        const std::span<const std::string> moves(g.指し手.data(), std::min(n, g.指し手.size()));
        side.対話->考える(position命令(g.開始, moves), g.時計.go命令(),
                          now + g.時計.使える時間() + 指し手の猶予);
    }
}

// The side to move stops: its engine's answer is dropped, its clock is not charged.
void ゲーム::手番の側を止める() {
    if (!エンジン対局中() || エンジン_->終わった || エンジン_->準備中) return;
    for (bool 下側 : {true, false})
        if (auto& e = エンジン_->側(下側).対話) e->捨てる();
    エンジン_->時計.止める();
    エンジン_->投了待ち = false;
}

void ゲーム::読んだ(エンジン対話& e, const 読み筋& info) {
    if (検討の報告(e, &info, nullptr) || 解析の報告(e, &info, nullptr, nullptr)) return;
    if (!エンジン対局中() || エンジン_->終わった) return;
    const bool 下側 = 状態.進行.番.手番 == 状態.進行.番.MAN番;
    if (エンジン_->側(下側).対話.get() == &e) エンジン_->思考.受ける(info);
}

void ゲーム::指した(エンジン対話& e, const 最善手& b) {
    if (検討_ && 検討_->対話.get() == &e) return;  // the answer to a "stop"
    if (解析の報告(e, nullptr, &b, nullptr)) return;
    if (!エンジン対局中() || エンジン_->終わった || エンジン_->準備中) return;
    const bool 下側 = 状態.進行.番.手番 == 状態.進行.番.MAN番;
    if (エンジン_->側(下側).対話.get() == &e) エンジンの答え(下側, b);
}

void ゲーム::故障した(エンジン対話& e, const エンジン故障& f) {
    if (検討の報告(e, nullptr, &f) || 解析の報告(e, nullptr, nullptr, &f)) return;
    if (!エンジン対局中() || エンジン_->終わった) return;
    std::string name = "?";
    for (bool 下側 : {true, false})
        if (エンジン_->側(下側).対話.get() == &e) name = エンジン_->側(下側).名前;
    エンジン対局の終わり(終局理由::中断, 0,
                         故障の知らせ(f, name) + "\n\n対局を中断しました。棋譜は保存できます");
}

void ゲーム::エンジン時刻() {
    if (刻み中_) return;
    if (エンジン_ == nullptr) return 検討の刻み();
    刻み中_ = true;
    for (bool 下側 : {true, false})
        if (エンジン_ && エンジン_->側(下側).対話) エンジン_->側(下側).対話->時刻();
    進行状態& s = 状態.進行;
    if (エンジン_ && !エンジン_->終わった && !エンジン_->準備中 && s.番.再開待ち == 0) {
        const bool 下側 = s.番.手番 == s.番.MAN番;
        エンジン対局の側& side = エンジン_->側(下側);
        if (エンジン_->時計.切れたか(経過ミリ秒())) {
            if (side.者 == 指す者::人) {
                エンジン_->時計.手を終える(経過ミリ秒());  // its clock shows the time gone
                エンジン対局の終わり(終局理由::切れ負け, -s.番.手番,
                                     対局者名(下側) + "の時間切れです");
            } else if (side.者 == 指す者::エンジン && !エンジン_->停止を送った)
                side.対話->止める();  // its answer, late, loses on time
            if (エンジン_ != nullptr) エンジン_->停止を送った = true;
        }
        if (side.者 == 指す者::COM && !エンジン_->終わった) COMに指させる();
    }
    if (エンジン_) エンジン表示を合わせる();
    知らせを出す();
    // Once an ended game has said so, nothing is left to tick for.
    if (エンジン_ && エンジン_->終わった && 保留の知らせ_.empty())
        窓口_.エンジン->刻み.有効設定(false);
    刻み中_ = false;
}

void ゲーム::知らせを出す() {
    while (!保留の知らせ_.empty()) {
        const auto [text, title] = 保留の知らせ_.front();
        保留の知らせ_.erase(保留の知らせ_.begin());
        窓口_.dialog.メッセージ(text, title);
    }
}

void ゲーム::ENGINE_STOP_Click() {
    if (!エンジン対局中() || エンジン_->終わった) {
        効果音(音::禁止);
        return;
    }
    エンジン対局の終わり(終局理由::中断, 0, "対局を中断しました");
    知らせを出す();
}

void ゲーム::TOURYOU_Click() {
    進行状態& s = 状態.進行;
    棋譜パネル_閉じる(窓口_.panel);
    if (s.番.手番 == 0 || s.番.棋譜モード == 1) {
        効果音(音::禁止);
        窓口_.dialog.メッセージ("「対局」で始めて下さい", "開始");
        return;
    }
    if (s.番.勝者 != 0 || (エンジン対局中() && エンジン_->終わった)) {
        窓口_.dialog.メッセージ("新規に対局してください", "終局");
        return;
    }
    if (!エンジン対局中()) {
        if (s.番.対局モード == 1 && s.番.手番 != s.番.MAN番) {
            効果音(音::禁止);
            return;
        }
        // The side to move gives up, in the words the game ends with.
        s.番.勝者 = -s.番.手番;
        窓口_.timer.有効設定(false);
        const bool 人が負け = s.番.対局モード == 1;
        窓口_.dialog.メッセージ(人が負け                  ? "ｺﾝﾋﾟｭｰﾀの勝ちです"
                                : s.番.勝者 == s.番.MAN番 ? "先手の勝ちです"
                                                          : "後手の勝ちです",
                                "終了");
        return;
    }
    if (エンジン_->下.者 != 指す者::人 || エンジン_->準備中) {
        効果音(音::禁止);
        return;
    }
    if (s.番.手番 == s.番.MAN番) {
        人の投了();
        知らせを出す();
        return;
    }
    // The engine is asked to move now; the person resigns once its move is on the board.
    エンジン_->投了待ち = true;
    エンジン_->上.対話->止める();
}

void ゲーム::人の投了() {
    エンジン対局の終わり(終局理由::投了, 状態.進行.番.COM番, "あなたが投了しました");
}

void ゲーム::エンジン対局の終わり(終局理由 how, int 勝者, const std::string& 文) {
    エンジン対局& g = *エンジン_;
    進行状態& s = 状態.進行;
    g.終わった = true;
    g.終局 = how;
    g.時計.止める();
    s.番.勝者 = 勝者;
    for (bool 下側 : {true, false}) {
        auto& e = g.側(下側).対話;
        if (!e) continue;
        if (how == 終局理由::中断) e->終える();
        else e->対局終了(側の勝敗(勝者, g.側の番(下側)));
        g.退役.push_back(std::move(e));
    }
    // The notice goes with a top engine that was thinking; the last move's words stay.
    if (s.番.手番 == s.番.COM番 && g.上.者 == 指す者::エンジン) 表示_.消去_思考中();
    エンジン表示を合わせる();
    保留の知らせ_.emplace_back(how == 終局理由::中断 ? 文 : 文 + "\n\n" + 結果の文(勝者), "終了");
}

void ゲーム::ENGINE_SETUP_Click() {
    if (窓口_.エンジン && 窓口_.エンジン->設定窓) 窓口_.エンジン->設定窓->開く(設定フォルダ());
}

}  // namespace yukora
