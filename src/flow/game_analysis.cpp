// 棋譜解析: the registered engine scores every position of the move list, one after the other
// at a few seconds each, and the graph shows its scores as they come; its better moves are
// written as comments on the moves that lost ground.
#include <algorithm>

#include "engine/usi_commands.h"
#include "flow/game.h"

namespace yukora {
namespace {

constexpr const char* 解析題 = "棋譜解析";

std::vector<std::string> 局面の命令(const std::vector<手番付き局面>& ps) {
    std::vector<std::string> out;
    for (const 手番付き局面& p : ps) out.push_back(position命令(p, {}));
    return out;
}

}  // namespace

void ゲーム::KAISEKI_Click(int 秒) {
    解析を止める();
    検討を止める();
    const std::optional<登録エンジン> e = 解析に使うエンジン(解析題);
    if (!e) return;
    解析_ = std::make_unique<解析の状態>();
    解析_->名前 = e->名前;
    解析_->秒 = 秒;
    解析_->下の側 = 下の側();
    解析_->局面 = 解析する局面(状態.手順, 状態.盤面, 状態.進行, 解析_->下の側);
    const int first = 状態.進行.数.手数 - 状態.進行.数.手順番号;
    for (std::size_t i = 0; i < 解析_->局面.size(); ++i)
        解析_->点.push_back(
            エンジンの形勢点(first + static_cast<int>(i), 解析_->局面[i], 先手, {}));
    解析した局面_ = 局面の命令(解析_->局面);
    解析した点_ = 解析_->点;
    選択肢の値 values = e->値;
    values.emplace_back("MultiPV", "1");
    解析_->対話 = std::make_unique<エンジン対話>(窓口_.エンジン->作る(), 窓口_.エンジン->時計,
                                                 static_cast<エンジン対話の受け手&>(*this));
    形勢表示_ = true;
    窓口_.menu.印設定(メニュー操作::KEISEI, true);
    窓口_.エンジン->刻み.有効設定(true);
    if (窓口_.棋譜リスト) 窓口_.棋譜リスト->解析の進み(0, static_cast<int>(解析_->局面.size()));
    解析_->対話->起動(e->パス, values, true);
}

void ゲーム::解析を止める() {
    if (!解析_) return;
    解析_->対話->終える();
    退役_.push_back(std::move(解析_->対話));
    解析_.reset();
    if (窓口_.棋譜リスト) 窓口_.棋譜リスト->解析の進み(0, 0);
}

void ゲーム::次の局面を解析する() {
    解析の状態& a = *解析_;
    if (窓口_.棋譜リスト)
        窓口_.棋譜リスト->解析の進み(static_cast<int>(a.次), static_cast<int>(a.局面.size()));
    if (a.次 >= a.局面.size()) {
        解析を止める();
        return;
    }
    a.今の評価.reset();
    a.今の最善手.clear();
    const ミリ秒 ms = a.秒 * 1000LL;
    a.対話->考える(position命令(a.局面[a.次], {}),
                   "go btime 0 wtime 0 byoyomi " + std::to_string(ms),
                   経過ミリ秒() + ms + 指し手の猶予);
}

bool ゲーム::解析の報告(エンジン対話& e, const 読み筋* info, const 最善手* best,
                        const エンジン故障* fault) {
    if (!解析_ || 解析_->対話.get() != &e) return false;
    解析の状態& a = *解析_;
    if (fault != nullptr) {
        保留の知らせ_.emplace_back(故障の知らせ(*fault, a.名前) + "\n\n解析を止めました", 解析題);
        解析を止める();
    } else if (info != nullptr) {
        if (info->multipv == 1 && info->評価) a.今の評価 = info->評価;
        if (info->multipv == 1 && !info->pv.empty()) a.今の最善手 = info->pv.front();
    } else if (best != nullptr) {
        // A resignation is the side to move's loss.
        if (best->種類 == 答えの種類::投了) a.今の評価 = 評価値{true, false, 0};
        a.点[a.次] = エンジンの形勢点(a.点[a.次].手数, a.局面[a.次], a.下の側, a.今の評価);
        解析した点_ = a.点;
        const bool 手 = best->種類 == 答えの種類::手 && !best->手.empty();
        a.答え.push_back({a.今の評価, 手 ? best->手 : a.今の最善手});
        解析の注釈を書く();
        ++a.次;
        次の局面を解析する();  // the last one ends the analysis
        棋譜リストを合わせる();
    } else if (!a.準備済) {
        a.準備済 = true;
        次の局面を解析する();
    }
    return true;
}

void ゲーム::解析の注釈を書く() {
    const 解析の状態& a = *解析_;
    std::vector<std::string> lines = 解析の注釈(a.局面, a.答え, 崩れの閾値, a.名前);
    const bool any = std::ranges::any_of(lines, [](const std::string& l) { return !l.empty(); });
    if (!注釈_ && !any) return;
    if (!注釈_) 注釈_ = 今の記録().記録;
    注釈を合わせる();
    lines.resize(std::min(lines.size(), static_cast<std::size_t>(注釈の手数_)));
    解析の注釈を置く(*注釈_, lines);
}

std::vector<形勢点> ゲーム::解析の点() {
    if (解析した点_.empty()) return {};
    const auto now = 局面の命令(解析する局面(状態.手順, 状態.盤面, 状態.進行, 下の側()));
    if (now != 解析した局面_) {
        解析を止める();
        解析した点_.clear();
        解析した局面_.clear();
        return {};
    }
    return 解析した点_;
}

}  // namespace yukora
