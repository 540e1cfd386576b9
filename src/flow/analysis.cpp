// 検討: the registered engine analyses the position on the board with "go infinite" and shows
// its best lines, starting again on each new position, until 検討 again or Esc.
#include "engine/usi_commands.h"
#include "flow/game.h"

namespace yukora {
namespace {

constexpr const char* 検討題 = "検討";
// "go infinite" has no deadline: a year.
constexpr ミリ秒 無期限 = 365LL * 24 * 3600 * 1000;

}  // namespace

std::optional<登録エンジン> ゲーム::解析に使うエンジン(const char* 題) {
    const エンジン設定 set = 窓口_.エンジン ? 読込_エンジン設定(設定フォルダ()) : エンジン設定{};
    const 登録エンジン* e = set.探す(set.対局エンジン);
    if (e != nullptr && !(エンジン対局中() && !エンジン_->終わった)) return *e;
    効果音(音::禁止);
    窓口_.dialog.メッセージ(e == nullptr ? "ｴﾝｼﾞﾝが登録されていません\n\nｵﾌﾟｼｮﾝ → "
                                           "ｴﾝｼﾞﾝ設定… で登録してください"
                                         : "ｴﾝｼﾞﾝとの対局中はできません",
                            題);
    return std::nullopt;
}

void ゲーム::KENTOU_Click() {
    if (検討_) {
        検討を止める();
        return;
    }
    解析を止める();
    const std::optional<登録エンジン> e = 解析に使うエンジン(検討題);
    if (!e) {
        窓口_.menu.印設定(メニュー操作::KENTOU, false);
        return;
    }
    検討_ = std::make_unique<検討の状態>();
    検討_->読み = 検討の読み(検討の候補数_);
    検討_->名前 = e->名前;
    選択肢の値 values = e->値;
    values.emplace_back("MultiPV", std::to_string(検討の候補数_));
    検討_->対話 = std::make_unique<エンジン対話>(窓口_.エンジン->作る(), 窓口_.エンジン->時計,
                                                 static_cast<エンジン対話の受け手&>(*this));
    窓口_.menu.印設定(メニュー操作::KENTOU, true);
    窓口_.エンジン->刻み.有効設定(true);
    検討_->対話->起動(e->パス, values, true);
    検討を映す();
}

void ゲーム::検討の候補数_Click(int n) {
    検討の候補数_ = n;
    for (int k = 1; k <= 検討の候補数の上限; ++k)
        窓口_.menu.印設定(
            static_cast<メニュー操作>(static_cast<int>(メニュー操作::KENTOU_PV1) + k - 1), k == n);
    // A running analysis starts again with the new count.
    if (!検討_) return;
    検討を止める();
    KENTOU_Click();
}

void ゲーム::検討を止める() {
    if (!検討_) return;
    検討_->対話->終える();
    退役_.push_back(std::move(検討_->対話));
    検討_.reset();
    窓口_.menu.印設定(メニュー操作::KENTOU, false);
    if (窓口_.棋譜リスト) 窓口_.棋譜リスト->検討を映す({});
}

// The tick without an engine game: the 検討 engine's deadlines and its boxes; it stops once
// nothing is left to tick for.
void ゲーム::検討の刻み() {
    刻み中_ = true;
    退役_.clear();
    if (検討_) 検討_->対話->時刻();
    if (解析_) 解析_->対話->時刻();
    知らせを出す();
    if (!検討_ && !解析_ && 窓口_.エンジン) 窓口_.エンジン->刻み.有効設定(false);
    刻み中_ = false;
}

void ゲーム::検討を合わせる() {
    if (!検討_ || !検討_->準備済) return;
    const 進行状態& s = 状態.進行;
    const int 下 = 下の側();
    検討_->見る局面 = USIから見た局面(状態.盤面, 下 == 先手, s.番.手番 != 0 ? s.番.手番 : 先手);
    検討_->見る側 = 下;
    const std::string position = position命令(検討_->見る局面, {});
    if (position == 検討_->局面) return;
    検討_->局面 = position;
    検討_->読み.消す();
    検討_->対話->捨てる();
    検討_->対話->考える(position, "go infinite", 経過ミリ秒() + 無期限);
    検討を映す();
}

void ゲーム::検討を映す() {
    if (!検討_ || 窓口_.棋譜リスト == nullptr) return;
    std::vector<std::string> lines = 検討_->読み.行(検討_->見る局面, 検討_->見る側);
    if (lines.empty()) lines.push_back("ｴﾝｼﾞﾝ「" + 検討_->名前 + "」検討中…");
    窓口_.棋譜リスト->検討を映す(lines);
}

bool ゲーム::検討の報告(エンジン対話& e, const 読み筋* info, const エンジン故障* fault) {
    if (!検討_ || 検討_->対話.get() != &e) return false;
    if (fault != nullptr) {
        const std::string text = 故障の知らせ(*fault, 検討_->名前);
        検討を止める();
        保留の知らせ_.emplace_back(text + "\n\n検討を終えました", 検討題);
        return true;
    }
    if (info != nullptr) {
        検討_->読み.受ける(*info);
        検討を映す();
        return true;
    }
    if (!検討_->準備済) {
        検討_->準備済 = true;
        検討を合わせる();
    }
    return true;
}

}  // namespace yukora
