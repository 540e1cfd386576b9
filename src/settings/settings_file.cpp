#include "settings/settings_file.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "game/palette.h"
#include "settings/option_commands.h"
#include "textfile/file_replace.h"
#include "textfile/sjis.h"

namespace yukora {
namespace {

struct 背景名 {
    const char* 名;
    int 番号;
};
// In the writer's order of testing.
constexpr 背景名 背景一覧[] = {
    {"緑", 背景_緑}, {"竹", 背景_竹}, {"畳", 背景_畳}, {"宇宙", 背景_宇宙}, {"煉瓦", 背景_煉瓦}};

bool 背景の印か(const オプション印& 印, int n) {
    switch (n) {
        case 背景_緑: return 印.MIDORI;
        case 背景_畳: return 印.TATAMI;
        case 背景_竹: return 印.TAKE;
        case 背景_宇宙: return 印.UCHU;
        case 背景_煉瓦: return 印.RENGA;
        default: return false;
    }
}

// "100" … "300" of the listed zooms, or "合わせる".
std::string 表示倍率の値(int 倍率) {
    return 倍率 == 表示倍率_合わせる ? "合わせる" : std::to_string(倍率);
}

void 表示倍率を読む(const std::string& value, オプション印& 印) {
    if (value == "合わせる") 印.表示倍率 = 表示倍率_合わせる;
    for (const int z : 表示倍率一覧)
        if (value == std::to_string(z)) 印.表示倍率 = z;
}

std::string 表示倍率の行(int 倍率) { return "表示倍率=" + 表示倍率の値(倍率); }

void 背景を適用(設定状態& st, int& 背景画番号, 背景描画& bg, int n) {
    チェック設定(st.印, n);
    bg.描画_背景(n);
    背景画番号 = n;
}

// `鳴らす`: this is the file's last "BGM" line, the only one that may start the music.
void 一行を適用(const std::string& key, const std::string& value, 設定状態& st, int& 背景画番号,
                背景描画& bg, BGM演奏& music, bool 鳴らす) {
    if (key == "背景画") {
        for (const 背景名& b : 背景一覧)
            if (value == b.名) 背景を適用(st, 背景画番号, bg, b.番号);
    } else if (key == "移動指導") {
        const bool on = value == "ON";
        st.指導色 = on ? 色_白 : 色_緑;
        st.印.SIDOU = on;
        st.移動指導フラグ = on ? 1 : 0;
    } else if (key == "経過時間") {
        st.印.KEIKA = value == "ON";
    } else if (key == "BGM") {
        st.印.BGM = value == "ON";
        if (st.印.BGM && 鳴らす) music.ループ再生();
    } else if (key == "勢力表示") {
        st.印.SEIRYOKU = value == "ON";
    } else if (key == "棋譜ﾘｽﾄ") {
        st.印.KIFULIST = value == "ON";
    } else if (key == "表示倍率") {
        表示倍率を読む(value, st.印);
    }
}

bool 書く(const std::string& folder, const std::vector<std::string>& lines) {
    const auto bytes = SJIS行書式(lines);
    return bytes && ファイル置換(folder, 環境設定ファイル名, *bytes) == 0;
}

}  // namespace

int 読込_環境設定(行入力& in, 設定状態& st, int& 背景画番号, 背景描画& bg, BGM演奏& music) {
    in.入力の上限(環境設定の上限);
    // Read whole before applying: a file that repeats the "BGM" line starts the music once,
    // in the place of its last such line, and leaves it as that line's check mark says.
    std::vector<std::pair<std::string, std::string>> 行;
    std::string bytes;
    while (in.次の行(bytes)) {
        const auto line = SJISから変換(bytes);
        if (!line) continue;
        const size_t eq = line->find('=');
        if (eq == std::string::npos) continue;
        行.emplace_back(line->substr(0, eq), line->substr(eq + 1));
    }
    constexpr std::string_view 鍵一覧[] = {"背景画",   "移動指導", "経過時間", "BGM",
                                           "勢力表示", "表示倍率", "棋譜ﾘｽﾄ"};
    std::erase_if(行, [&](const auto& kv) {
        return std::find(std::begin(鍵一覧), std::end(鍵一覧), kv.first) == std::end(鍵一覧);
    });
    size_t 最後のBGM = 行.size();
    for (size_t i = 0; i < 行.size(); ++i)
        if (行[i].first == "BGM") 最後のBGM = i;
    for (size_t i = 0; i < 行.size(); ++i)
        一行を適用(行[i].first, 行[i].second, st, 背景画番号, bg, music, i == 最後のBGM);
    return static_cast<int>(行.size());
}

std::vector<std::string> 環境設定の行(const オプション印& 印) {
    std::vector<std::string> lines;
    for (const 背景名& b : 背景一覧)
        if (背景の印か(印, b.番号)) {
            lines.push_back(std::string("背景画=") + b.名);
            break;
        }
    lines.push_back(印.SIDOU ? "移動指導=ON" : "移動指導=OFF");
    lines.push_back(印.KEIKA ? "経過時間=ON" : "経過時間=OFF");
    lines.push_back(印.BGM ? "BGM=ON" : "BGM=OFF");
    lines.push_back(表示倍率の行(印.表示倍率));
    lines.push_back(印.SEIRYOKU ? "勢力表示=ON" : "勢力表示=OFF");
    // Written only when on, so that the file of the classic window stays as it was.
    if (印.KIFULIST) lines.push_back("棋譜ﾘｽﾄ=ON");
    return lines;
}

void 読込_環境設定ファイル(const std::string& folder, 設定状態& st, int& 背景画番号, 背景描画& bg,
                           BGM演奏& music, int 初回の表示倍率) {
    {
        ファイル行入力 in((folder.empty() ? "." : folder) + "/" + 環境設定ファイル名);
        // A file with no line this program knows (garbage, or empty) counts as none.
        if (in.開いた() && 読込_環境設定(in, st, 背景画番号, bg, music) > 0 && !in.失敗()) return;
    }
    // The defaults apply even where the file cannot be created; they are then not kept.
    書く(folder,
         {"背景画=竹", "移動指導=OFF", "経過時間=ON", "BGM=OFF", 表示倍率の行(初回の表示倍率)});
    背景を適用(st, 背景画番号, bg, 背景_竹);
    st.印.SIDOU = false;
    st.印.KEIKA = true;
    st.印.BGM = false;
    st.印.表示倍率 = 初回の表示倍率;
}

void 書込_環境設定ファイル(const std::string& folder, 設定状態& st) {
    if (書く(folder, 環境設定の行(st.印))) return;
    // The zoom is no option of that fallback: the one chosen is kept.
    if (!書く(folder,
              {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON", 表示倍率の行(st.印.表示倍率)}))
        return;
    チェック設定(st.印, 背景_緑);
    st.印.SIDOU = false;
    st.印.KEIKA = true;
    st.印.BGM = true;
}

}  // namespace yukora
