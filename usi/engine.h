// The USI protocol: one command per line in, answers out.
#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "usi/usi_position.h"

namespace yukora {

class USIエンジン {
public:
    explicit USIエンジン(std::ostream& out) : out_(out) {}

    // Handles one line and flushes the answer. false once "quit" has been read.
    bool 行を処理(std::string_view line);

    // The deepest perft the engine agrees to count (deeper takes too long to be useful).
    static constexpr int perft最大深さ = 5;

private:
    using 引数 = std::vector<std::string_view>;
    void usi();
    void setoption(const 引数& args);
    void position(const 引数& args);
    void go(const 引数& args);
    void 保留を出す();
    void perft(const 引数& args);
    void エラー(const std::string& text);

    std::ostream& out_;
    USI局面 局面_ = 平手局面();
    int レベル_ = 3;
    std::string 保留_;  // the bestmove held back by "go infinite" or "go ponder"
};

}  // namespace yukora
