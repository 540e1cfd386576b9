// One engine process in conversation: usi, its options, isready, usinewgame, then a position
// and a go for each of its turns. Lines come through the process port; the deadlines are
// checked at every tick. A fault ends the process and is reported once; after it, or after
// 終える, nothing more is reported.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_faults.h"
#include "engine/engine_lines.h"
#include "engine/process_port.h"
#include "engine/time_control.h"
#include "engine/usi_commands.h"

namespace yukora {

class エンジン対話;

// What the conversation reports. The owner may call the conversation back from inside, but
// must not destroy it there.
class エンジン対話の受け手 {
public:
    virtual ~エンジン対話の受け手() = default;
    // usiok came: the name, the author and the options are known.
    virtual void 識別できた(エンジン対話&) {}
    // readyok came and usinewgame is sent: the engine can be asked for moves.
    virtual void 準備できた(エンジン対話&) {}
    virtual void 指した(エンジン対話&, const 最善手&) {}
    virtual void 読んだ(エンジン対話&, const 読み筋&) {}
    virtual void 故障した(エンジン対話&, const エンジン故障&) {}
};

inline constexpr ミリ秒 usiokの期限 = 10'000, readyokの期限 = 30'000, 指し手の猶予 = 10'000;
// More lines than this within one second are a flood.
inline constexpr int 一秒の行の上限 = 10'000;

using 選択肢の値 = std::vector<std::pair<std::string, std::string>>;

class エンジン対話 final : private エンジン出力の受け手 {
public:
    enum class 段階 { 未起動, usi待ち, ready待ち, 待機, 思考中, 停止待ち, 終了 };

    エンジン対話(std::unique_ptr<エンジンプロセス> process, 経過時計& clock,
                 エンジン対話の受け手& owner);
    ~エンジン対話() override;
    エンジン対話(const エンジン対話&) = delete;
    エンジン対話& operator=(const エンジン対話&) = delete;

    // Starts the program and sends usi. For a game (対局), after usiok the options the engine
    // declared get their values, then isready; after readyok, usinewgame.
    void 起動(const std::string& path, const 選択肢の値& values, bool 対局);
    // Sends the position and the go; the bestmove is due by `期限` (on the clock). Asked
    // while a dropped answer is still awaited, both are sent once it has come.
    void 考える(const std::string& position, const std::string& go, ミリ秒 期限);
    // "stop": the engine is to move now; its answer is still reported.
    void 止める();
    // "stop", and its answer is dropped when it comes (a step back in the game).
    void 捨てる();
    // "gameover …" (after a "stop" while it thinks), then the process is ended.
    void 対局終了(勝敗 r);
    // Ends the process ("quit", a kill a second later); nothing more is reported.
    void 終える();
    // Checks the deadline against the clock.
    void 時刻();

    段階 今の段階() const { return 段階_; }
    const std::string& 名前() const { return 名前_; }
    const std::string& 作者() const { return 作者_; }
    const std::vector<エンジンの選択肢>& 選択肢() const { return 選択肢_; }

private:
    void 行が来た(std::string_view line, bool 長すぎる) override;
    void 終了した(int code, bool 異常) override;
    void 起動できなかった(const std::string& 理由) override;

    void 出力を読む(const エンジン出力& out);
    void 最善手が来た(const 最善手& b);
    bool 洪水か();
    void 書く(std::string_view line);
    void 故障(故障の種類 kind, std::string detail = {});
    void 選択肢を送る();

    std::unique_ptr<エンジンプロセス> process_;
    経過時計& clock_;
    エンジン対話の受け手& owner_;
    段階 段階_ = 段階::未起動;
    bool 対局_ = false;
    ミリ秒 期限_ = 0;
    選択肢の値 値_;
    std::string 名前_, 作者_;
    std::vector<エンジンの選択肢> 選択肢_;
    // A think asked for while a dropped answer is awaited.
    std::string 次のposition_, 次のgo_;
    ミリ秒 次の期限_ = 0;
    // Lines counted in the current second.
    ミリ秒 数え始め_ = 0;
    int 行数_ = 0;
};

}  // namespace yukora
