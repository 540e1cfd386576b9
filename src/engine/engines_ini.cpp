#include "engine/engines_ini.h"

#include <charconv>

#include "textfile/file_replace.h"
#include "textfile/line_reader.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

constexpr std::size_t ファイルの上限 = std::size_t{1} << 20;

std::string_view 空白を除く(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool ASCIIか(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80 || c < 0x20) return false;
    return true;
}

bool 制御文字があるか(std::string_view s) {
    for (const char c : s)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) return true;
    return false;
}

bool 数を読む(std::string_view s, int lo, int hi, int& out) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

// The section being read: an engine (its index in the list), [game], or one not known.
struct 読込中 {
    enum class 節 { なし, エンジン, 対局 } 節 = 節::なし;
    std::size_t 番 = 0;
};

void 節を読む(std::string_view name, エンジン設定& s, 読込中& at) {
    at.節 = 読込中::節::なし;
    int n = 0;
    if (name == "game") {
        at.節 = 読込中::節::対局;
    } else if (name.starts_with("engine.") && 数を読む(name.substr(7), 1, 999, n) &&
               s.探す(n) == nullptr) {
        s.一覧.push_back({n, {}, {}, {}, {}});
        at = {読込中::節::エンジン, s.一覧.size() - 1};
    }
}

void エンジンの値(std::string_view key, std::string_view value, 登録エンジン& e) {
    if (key == "name") e.名前 = value;
    else if (key == "author") e.作者 = value;
    else if (key == "path") e.パス = value;
    else if (key.starts_with("option.") && key.size() > 7)
        e.値.emplace_back(std::string(key.substr(7)), std::string(value));
}

void 対局の値(std::string_view key, std::string_view value, エンジン設定& s) {
    if (key == "engine") 数を読む(value, 0, 999, s.対局エンジン);
    else if (key == "engine2") 数を読む(value, 0, 999, s.相手エンジン);
    else if (key == "time") 数を読む(value, 0, 600, s.時間.持ち時間分);
    else if (key == "byoyomi") 数を読む(value, 0, 3600, s.時間.秒読み秒);
    else if (key == "increment") 数を読む(value, 0, 3600, s.時間.加算秒);
}

void 行を読む(std::string_view line, エンジン設定& s, 読込中& at) {
    line = 空白を除く(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') return;
    if (line.front() == '[' && line.back() == ']') {
        節を読む(line.substr(1, line.size() - 2), s, at);
        return;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view key = 空白を除く(line.substr(0, eq));
    const std::string_view value = 空白を除く(line.substr(eq + 1));
    if (key.empty() || !ASCIIか(key) || 制御文字があるか(value)) return;
    if (at.節 == 読込中::節::エンジン) エンジンの値(key, value, s.一覧[at.番]);
    else if (at.節 == 読込中::節::対局) 対局の値(key, value, s);
}

bool 使えるか(const 登録エンジン& e) { return !e.名前.empty() && e.パス.starts_with('/'); }

}  // namespace

const 登録エンジン* エンジン設定::探す(int 番号) const {
    for (const 登録エンジン& e : 一覧)
        if (e.番号 == 番号) return &e;
    return nullptr;
}

エンジン設定 エンジン設定を読む(std::string_view bytes) {
    エンジン設定 s;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (!UTF8か(bytes)) return s;
    読込中 at;
    while (!bytes.empty()) {
        const std::size_t nl = bytes.find('\n');
        行を読む(bytes.substr(0, nl), s, at);
        if (nl == std::string_view::npos) break;
        bytes.remove_prefix(nl + 1);
    }
    std::erase_if(s.一覧, [](const 登録エンジン& e) { return !使えるか(e); });
    if (s.探す(s.対局エンジン) == nullptr) s.対局エンジン = s.一覧.empty() ? 0 : s.一覧[0].番号;
    if (s.探す(s.相手エンジン) == nullptr) s.相手エンジン = 0;
    if (s.時間 == 持ち時間設定{0, 0, 0}) s.時間 = 持ち時間設定{};
    return s;
}

std::string エンジン設定を書く(const エンジン設定& s) {
    std::string out;
    for (const 登録エンジン& e : s.一覧) {
        out += "[engine." + std::to_string(e.番号) + "]\n";
        out += "name=" + e.名前 + "\n";
        if (!e.作者.empty()) out += "author=" + e.作者 + "\n";
        out += "path=" + e.パス + "\n";
        for (const auto& [name, value] : e.値)
            if (!name.empty() && ASCIIか(name) && name.find('=') == std::string::npos &&
                !制御文字があるか(value))
                out += "option." + name + "=" + value + "\n";
    }
    out += "[game]\n";
    out += "engine=" + std::to_string(s.対局エンジン) + "\n";
    out += "engine2=" + std::to_string(s.相手エンジン) + "\n";
    out += "time=" + std::to_string(s.時間.持ち時間分) + "\n";
    out += "byoyomi=" + std::to_string(s.時間.秒読み秒) + "\n";
    out += "increment=" + std::to_string(s.時間.加算秒) + "\n";
    return out;
}

エンジン設定 読込_エンジン設定(const std::string& folder) {
    ファイル行入力 in((folder.empty() ? "." : folder) + "/" + エンジン設定ファイル名);
    if (!in.開いた()) return {};
    in.入力の上限(ファイルの上限);
    std::string bytes, line;
    while (in.次の行(line)) {
        if (in.切り詰めた()) continue;  // a line longer than any path or value is damage
        bytes += line;
        bytes += '\n';
    }
    if (in.失敗() || in.上限を超えた()) return {};
    return エンジン設定を読む(bytes);
}

int 書込_エンジン設定(const std::string& folder, const エンジン設定& s) {
    return ファイル置換(folder.empty() ? "." : folder, エンジン設定ファイル名,
                        エンジン設定を書く(s));
}

}  // namespace yukora
