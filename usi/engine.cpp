#include "usi/engine.h"

#include "usi/go_answer.h"
#include "usi/line_input.h"
#include "usi/message_text.h"
#include "usi/perft_count.h"
#include "usi/position_command.h"

namespace yukora {
namespace {

// A small non-negative integer of at most `max`; -1 when the text is anything else.
int 小さな数(std::string_view t, int max) {
    if (t.empty() || t.size() > 3) return -1;
    int n = 0;
    for (const char c : t) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= max ? n : -1;
}

constexpr const char* 局面なし = "no position: the last position command was refused";

}  // namespace

bool USIエンジン::行を処理(std::string_view line) {
    語読み args(line);
    const std::string_view cmd = args.次();
    if (cmd.empty()) return true;
    bool 続ける = true;
    if (cmd == "usi") usi();
    else if (cmd == "isready") out_ << "readyok\n";
    else if (cmd == "setoption") setoption(args);
    else if (cmd == "usinewgame") 保留_.clear();
    else if (cmd == "position") position(args.残り());
    else if (cmd == "go") go(args);
    else if (cmd == "stop" || cmd == "ponderhit") 保留を出す();
    else if (cmd == "gameover") 保留_.clear();
    else if (cmd == "perft") 続ける = perft(args);
    else if (cmd == "quit") 続ける = false;
    else エラー("unknown command " + 表示用(cmd));
    out_.flush();
    return 続ける;
}

void USIエンジン::長すぎる行() {
    エラー("a line longer than " + std::to_string(行の最大長) + " bytes was ignored");
    out_.flush();
}

void USIエンジン::usi() {
    out_ << "id name Yukora将棋1\n"
            "id author the Yukora project\n"
            "option name Level type spin default 3 min 1 max 3\n"
            "option name MultiPV type spin default 1 min 1 max "
         << MultiPV最大 << "\nusiok\n";
}

void USIエンジン::setoption(語読み& args) {
    // setoption name <id> [value <x>]
    const std::string_view word = args.次(), name = args.次();
    if (word != "name" || name.empty()) return エラー("setoption needs a name");
    if (name.starts_with("USI_")) return;  // the GUI's standard options mean nothing here
    const bool level = name == "Level";
    if (!level && name != "MultiPV") return エラー("unknown option " + 表示用(name));
    const std::string_view v = args.次(), value = args.次();
    const int max = level ? 3 : MultiPV最大;
    const int n = v == "value" && args.次().empty() ? 小さな数(value, max) : -1;
    if (n < 1) return エラー(std::string(name) + " takes a value from 1 to " + std::to_string(max));
    (level ? レベル_ : MultiPV_) = n;
}

void USIエンジン::position(std::string_view args) {
    USI局面 pos;
    if (std::string e = position命令を読む(args, pos); !e.empty()) {
        局面_.reset();
        return エラー(e);
    }
    局面_ = pos;
}

void USIエンジン::go(語読み& args) {
    bool 待つ = false;
    for (std::string_view a = args.次(); !a.empty(); a = args.次())
        待つ = 待つ || a == "infinite" || a == "ponder";
    std::string bestmove = "bestmove resign";
    if (局面_) {
        const go答え a = goに答える(*局面_, レベル_, MultiPV_);
        out_ << a.情報;
        bestmove = a.指し手;
    } else {
        エラー(局面なし);
    }
    if (待つ) 保留_ = bestmove;
    else out_ << bestmove << '\n';
}

void USIエンジン::保留を出す() {
    if (保留_.empty()) return;
    out_ << 保留_ << '\n';
    保留_.clear();
}

bool USIエンジン::perft(語読み& args) {
    const std::string_view arg = args.次();
    const int depth = args.次().empty() ? 小さな数(arg, perft最大深さ) : -1;
    if (depth < 1)
        return エラー("perft takes a depth from 1 to " + std::to_string(perft最大深さ)), true;
    if (!局面_) return エラー(局面なし), true;
    // The rules count with 1 for the bottom side, which is sente here.
    const perft結果 r = 中断できるperft(局面_->p, 局面_->手番 == 先手 ? 1 : -1, depth, 割込_);
    if (r.指示 == 割込み指示::終える) return false;
    out_ << "info string perft " << depth;
    if (r.指示 == 割込み指示::止める) out_ << " stopped after " << r.数 << " nodes\n";
    else out_ << " nodes " << r.数 << '\n';
    return true;
}

void USIエンジン::エラー(const std::string& text) { out_ << "info string error: " << text << '\n'; }

}  // namespace yukora
