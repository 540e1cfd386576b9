// The USI protocol: one command per line in, answers out.
#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "usi/interrupt.h"
#include "usi/usi_position.h"
#include "usi/words.h"

namespace yukora {

class USIエンジン {
public:
    // `割込` (may be null) is asked now and then while a long command runs.
    explicit USIエンジン(std::ostream& out, 割込み* 割込 = nullptr) : out_(out), 割込_(割込) {}

    // Handles one line and flushes the answer. false once "quit" has been read, also when it
    // (or the termination signal) ended a running perft.
    bool 行を処理(std::string_view line);

    // Reports a line that was too long to be read.
    void 長すぎる行();

    // The deepest perft the engine agrees to count (deeper takes too long to be useful).
    static constexpr int perft最大深さ = 5;
    static constexpr int MultiPV最大 = 10;

private:
    void usi();
    void setoption(語読み& args);
    void position(std::string_view args);
    void go(語読み& args);
    void 保留を出す();
    bool perft(語読み& args);
    void エラー(const std::string& text);

    std::ostream& out_;
    割込み* 割込_;
    // Empty after a refused "position" command, until a valid one comes.
    std::optional<USI局面> 局面_ = 平手局面();
    int レベル_ = 3;
    int MultiPV_ = 1;
    std::string 保留_;  // the bestmove held back by "go infinite" or "go ponder"
};

}  // namespace yukora
