#include "usi/engine.h"

#include "rules/perft.h"
#include "usi/message_text.h"
#include "usi/position_command.h"
#include "usi/score_text.h"
#include "usi/think.h"

namespace yukora {
namespace {

std::vector<std::string_view> 語に分ける(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

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

}  // namespace

bool USIエンジン::行を処理(std::string_view line) {
    const 引数 words = 語に分ける(line);
    if (words.empty()) return true;
    const std::string_view cmd = words[0];
    const 引数 args(words.begin() + 1, words.end());
    bool 続ける = true;
    if (cmd == "usi") usi();
    else if (cmd == "isready") out_ << "readyok\n";
    else if (cmd == "setoption") setoption(args);
    else if (cmd == "usinewgame") 保留_.clear();
    else if (cmd == "position") position(args);
    else if (cmd == "go") go(args);
    else if (cmd == "stop" || cmd == "ponderhit") 保留を出す();
    else if (cmd == "gameover") 保留_.clear();
    else if (cmd == "perft") perft(args);
    else if (cmd == "quit") 続ける = false;
    else エラー("unknown command " + 表示用(cmd));
    out_.flush();
    return 続ける;
}

void USIエンジン::usi() {
    out_ << "id name Yukora将棋1\n"
            "id author the Yukora project\n"
            "option name Level type spin default 3 min 1 max 3\n"
            "usiok\n";
}

void USIエンジン::setoption(const 引数& args) {
    // setoption name <id> [value <x>]
    if (args.size() < 2 || args[0] != "name") return エラー("setoption needs a name");
    const std::string_view name = args[1];
    if (name.starts_with("USI_")) return;  // the GUI's standard options mean nothing here
    if (name != "Level") return エラー("unknown option " + 表示用(name));
    const int n = args.size() == 4 && args[2] == "value" ? 小さな数(args[3], 3) : -1;
    if (n < 1) return エラー("Level takes a value from 1 to 3");
    レベル_ = n;
}

void USIエンジン::position(const 引数& args) {
    if (std::string e = position命令を読む(args, 局面_); !e.empty()) エラー(e);
}

void USIエンジン::go(const 引数& args) {
    bool 待つ = false;
    for (const std::string_view a : args) 待つ = 待つ || a == "infinite" || a == "ponder";
    const 思考結果 r = 思考(局面_, レベル_);
    std::string bestmove = "bestmove resign";
    if (r.有り) {
        out_ << "info score cp " << 整数に丸める(r.点十倍) << '\n'
             << "info string score " << 十分の一表記(r.点十倍) << '\n';
        bestmove = "bestmove " + USI指し手書込(r.指し手);
    }
    if (待つ) 保留_ = bestmove;
    else out_ << bestmove << '\n';
}

void USIエンジン::保留を出す() {
    if (保留_.empty()) return;
    out_ << 保留_ << '\n';
    保留_.clear();
}

void USIエンジン::perft(const 引数& args) {
    const int depth = args.size() == 1 ? 小さな数(args[0], perft最大深さ) : -1;
    if (depth < 1)
        return エラー("perft takes a depth from 1 to " + std::to_string(perft最大深さ));
    // The rules count with 1 for the bottom side, which is sente here.
    const std::uint64_t n = yukora::perft(局面_.p, 局面_.手番 == 先手 ? 1 : -1, depth);
    out_ << "info string perft " << depth << " nodes " << n << '\n';
}

void USIエンジン::エラー(const std::string& text) { out_ << "info string error: " << text << '\n'; }

}  // namespace yukora
