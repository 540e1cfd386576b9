#include "engine/engine_lines.h"

#include <algorithm>
#include <charconv>

#include "textfile/sjis.h"

namespace yukora {
namespace {

bool 空白か(char c) { return c == ' ' || c == '\t'; }

// The words of a line, each with the rest of the line after it (names and texts run on).
class 語の列 {
public:
    explicit 語の列(std::string_view s) : rest_(s) {}
    std::string_view 次() {
        while (!rest_.empty() && 空白か(rest_.front())) rest_.remove_prefix(1);
        std::size_t n = 0;
        while (n < rest_.size() && !空白か(rest_[n])) ++n;
        const std::string_view w = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return w;
    }
    // What is left, without the spaces around it.
    std::string_view 残り() const {
        std::string_view r = rest_;
        while (!r.empty() && 空白か(r.front())) r.remove_prefix(1);
        while (!r.empty() && 空白か(r.back())) r.remove_suffix(1);
        return r;
    }

private:
    std::string_view rest_;
};

template <class T>
bool 数を読む(std::string_view w, T& out) {
    if (!w.empty() && w.front() == '+') w.remove_prefix(1);
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), out);
    return ec == std::errc() && end == w.data() + w.size() && !w.empty();
}

bool 型を読む(std::string_view w, 選択肢の型& t) {
    static constexpr std::pair<std::string_view, 選択肢の型> 型表[] = {
        {"check", 選択肢の型::check},   {"spin", 選択肢の型::spin},
        {"combo", 選択肢の型::combo},   {"button", 選択肢の型::button},
        {"string", 選択肢の型::string}, {"filename", 選択肢の型::filename}};
    for (const auto& [name, type] : 型表)
        if (w == name) {
            t = type;
            return true;
        }
    return false;
}

bool 選択肢の語か(std::string_view w) {
    return w == "type" || w == "default" || w == "min" || w == "max" || w == "var";
}

// "name <id> type <t> [default <x>] [min <n>] [max <n>] [var <x>]...": a name or a value may
// hold spaces and runs up to the next keyword.
bool 選択肢を読む(std::string_view args, エンジンの選択肢& o) {
    語の列 w(args);
    if (w.次() != "name") return false;
    std::string_view key = "name";
    std::string value;
    bool typed = false;
    auto 終える = [&]() {
        if (key == "name") o.名前 = value;
        else if (key == "type") typed = 型を読む(value, o.型);
        else if (key == "default") o.既定 = value == "<empty>" ? "" : value;
        else if (key == "min") return 数を読む(std::string_view(value), o.最小);
        else if (key == "max") return 数を読む(std::string_view(value), o.最大);
        else if (key == "var") o.候補.push_back(value);
        return true;
    };
    for (std::string_view word = w.次(); !word.empty(); word = w.次()) {
        if (選択肢の語か(word) && !(key == "name" && value.empty())) {
            if (!終える()) return false;
            key = word;
            value.clear();
        } else {
            if (!value.empty()) value += ' ';
            value += word;
        }
    }
    if (!終える() || !typed || o.名前.empty()) return false;
    if (o.型 == 選択肢の型::spin) {
        long long d = 0;
        if (!数を読む(std::string_view(o.既定), d) || o.最小 > o.最大) return false;
    }
    return true;
}

void 評価を読む(語の列& w, 読み筋& r) {
    const std::string_view kind = w.次(), v = w.次();
    評価値 s;
    if (kind == "cp") {
        if (!数を読む(v, s.値)) return;
    } else if (kind == "mate") {
        s.詰み = true;
        if (v == "+" || v == "-") {
            s.勝ち = v == "+";
        } else {
            if (!数を読む(v, s.値)) return;
            s.勝ち = !(v.front() == '-');
            s.値 = std::abs(s.値);
        }
    } else {
        return;
    }
    r.評価 = s;
}

読み筋 情報を読む(std::string_view args) {
    読み筋 r;
    語の列 w(args);
    for (std::string_view word = w.次(); !word.empty(); word = w.次()) {
        if (word == "string") {
            r.文字列 = std::string(w.残り());
            break;
        }
        if (word == "pv") {
            for (std::string_view m = w.次(); !m.empty(); m = w.次()) r.pv.emplace_back(m);
            break;
        }
        if (word == "depth") {
            int d = 0;
            if (数を読む(w.次(), d)) r.深さ = d;
        } else if (word == "nodes") {
            long long n = 0;
            if (数を読む(w.次(), n)) r.ノード数 = n;
        } else if (word == "multipv") {
            int n = 0;
            if (数を読む(w.次(), n) && n > 0) r.multipv = n;
        } else if (word == "score") {
            評価を読む(w, r);
        }
    }
    return r;
}

bool 最善手を読む(std::string_view args, 最善手& b) {
    語の列 w(args);
    const std::string_view m = w.次();
    if (m.empty()) return false;
    if (m == "resign") b.種類 = 答えの種類::投了;
    else if (m == "win") b.種類 = 答えの種類::勝ち;
    else b.手 = std::string(m);
    return true;
}

}  // namespace

エンジン出力 エンジン行を読む(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    エンジン出力 out;
    語の列 w(line);
    const std::string_view cmd = w.次();
    using 種 = 出力の種類;
    if (cmd == "usiok") {
        out.種類 = 種::usiok;
    } else if (cmd == "readyok") {
        out.種類 = 種::readyok;
    } else if (cmd == "id") {
        const std::string_view what = w.次();
        if (what == "name" || what == "author") {
            out.種類 = what == "name" ? 種::id名前 : 種::id作者;
            out.文字 = std::string(w.残り());
        }
    } else if (cmd == "option") {
        if (選択肢を読む(w.残り(), out.選択肢)) out.種類 = 種::選択肢;
    } else if (cmd == "bestmove") {
        if (最善手を読む(w.残り(), out.最善)) out.種類 = 種::bestmove;
    } else if (cmd == "info") {
        out.種類 = 種::info;
        out.情報 = 情報を読む(w.残り());
    }
    return out;
}

bool 文字でない行か(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t') || c == 0x7F) return true;
    }
    return !UTF8か(line);
}

}  // namespace yukora
