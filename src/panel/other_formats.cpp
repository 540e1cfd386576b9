#include "panel/other_formats.h"

#include "formats/file_formats.h"
#include "formats/game_end.h"
#include "formats/game_record.h"
#include "formats/handicap_names.h"
#include "own_format/record_reader.h"
#include "own_format/record_writer.h"
#include "panel/panel_commands.h"
#include "panel/record_save.h"
#include "textfile/line_reader.h"

namespace yukora {
namespace {

constexpr const char* 空白題 = "  ";
constexpr const char* 保存題 = "棋譜保存";

// More than any record holds; what lies beyond is not read.
constexpr std::size_t 読込の上限 = 16u << 20;

bool 他形式か(棋譜形式 f) {
    return f == 棋譜形式::KIF || f == 棋譜形式::KIFU || f == 棋譜形式::KI2 || f == 棋譜形式::KI2U ||
           f == 棋譜形式::CSA;
}

// The name without its extension is empty: a hidden file the list would not show.
bool 拡張子だけか(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == 0 || dot == std::string::npos;
}

// The error of a record that cannot be written, for the user.
std::string 書けない理由(const 書込結果& w) {
    if (w.理由.rfind("move ", 0) == 0) return "記録にできない手があります";
    return "「対局名」「先手」「後手」にShift-JISで保存できない文字があります";
}

// The bytes of the file, at most 読込の上限; the lines are joined by LF.
開く結果 ファイルを読む(const std::string& path, std::string& bytes) {
    ファイル行入力 in(path);
    in.入力の上限(読込の上限);
    std::string line;
    while (in.次の行(line)) {
        bytes += line;
        bytes += '\n';
    }
    return in.結果();
}

std::string 行の説明(const 読込エラー& e) {
    return e.行 > 0 ? "(" + std::to_string(e.行) + "行目)" : std::string();
}

// Nothing to step through: the game on the board stays, and the boxes say why.
棋譜読込結果 読めない(std::vector<std::string> texts) {
    棋譜読込結果 r;
    r.新しい対局 = false;
    r.知らせ = std::move(texts);
    return r;
}

// Neither a move nor a start worth loading could be read.
bool 読めなかったか(const 読込結果& r) {
    return r.記録.手.empty() && (r.エラー || 空の記録か(r.記録));
}

}  // namespace

bool 空の記録か(const 対局記録& r) {
    if (!r.手.empty()) return false;
    const 手合割* h = 手合割を局面で探す(r.開始);
    return h != nullptr && h->落とす駒.empty() && r.開始.手番 == 先手;
}

bool 他形式の名前か(const std::string& name) { return 他形式か(拡張子の形式(name)); }

void KIF_WRITE_Click(棋譜パネル& panel) {
    描画_可視(panel, true, true, false);
    描画_棋譜_IO(panel, 0);
}

int 他形式で保存(const 手順リスト& list, const 局面& p, const 進行状態& s, 棋譜パネル& panel,
                 ダイアログ& dialog, std::optional<終局理由> 終局) {
    const std::string name = panel.文字列(棋譜欄::Text1);
    if (拡張子だけか(name)) {
        dialog.メッセージ("ﾌｧｲﾙ名が入力されていません", 空白題);
        return 0;
    }
    if (const std::string why = ファイル名の問題(name); !why.empty()) {
        dialog.メッセージ(why, 保存題);
        return 0;
    }
    const 棋譜見出し h{panel.文字列(棋譜欄::Text2), panel.文字列(棋譜欄::Text3),
                       panel.文字列(棋譜欄::Text4)};
    const 読込結果 r = 対局を記録に(list, p, s, h, "", 終局.value_or(終局を調べる(p, s)));
    if (r.エラー) {
        dialog.メッセージ("棋譜ﾌｧｲﾙを保存できませんでした\n\n" + std::to_string(r.エラー->手数) +
                              "手目を記録にできません",
                          保存題);
        return 0;
    }
    if (空の記録か(r.記録)) {
        dialog.メッセージ("保存するデータがありません", 保存題);
        return 0;
    }
    const 書込結果 w = 棋譜を書く(r.記録, 拡張子の形式(name));
    if (!w.理由.empty()) {
        dialog.メッセージ(書けない理由(w), 保存題);
        return 0;
    }
    return 棋譜ファイルを置く(name, w.内容, panel, dialog);
}

std::vector<std::string> 他形式読込の知らせ(const 読込結果& r) {
    const int n = static_cast<int>(r.記録.手.size());
    if (読めなかったか(r)) {
        std::string text = "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
        if (r.エラー && r.エラー->行 > 0)
            text += "\n\n" + std::to_string(r.エラー->行) + "行目が読めません";
        return {text};
    }
    std::string first = " 読み込みました";
    if (r.エラー) {
        const int 手数 = r.エラー->手数 > 0 ? r.エラー->手数 : n + 1;
        first = std::to_string(n) + "手まで読み込みました\n\n" + std::to_string(手数) + "手目" +
                行の説明(*r.エラー) + "が読めないか指せない手です";
    }
    return {first, "棋譜を '進 'で進めて下さい"};
}

棋譜読込結果 読込_他形式(const std::string& folder, const std::string& name, 手順リスト& list) {
    std::string bytes;
    開く結果 opened = 開く結果::ない;
    if (一覧の名前か(name))
        opened = ファイルを読む((folder.empty() ? "." : folder) + "/" + name, bytes);
    if (opened != 開く結果::開いた) return 読めない(棋譜読込の知らせ(opened, {}));
    return 読んだ記録を手順に(棋譜を読む(bytes, 拡張子の形式(name)), list);
}

棋譜読込結果 読んだ記録を手順に(読込結果 r, 手順リスト& list) {
    if (読めなかったか(r)) return 読めない(他形式読込の知らせ(r));
    const int n = 記録を手順に(r.記録, list);
    if (n < static_cast<int>(r.記録.手.size())) {
        r.記録.手.resize(static_cast<size_t>(n));
        if (!r.エラー) r.エラー = 読込エラー{0, n + 1, "an illegal move"};
    }
    return {true,
            {見出しの値(r.記録, "棋戦"), 後手の名前(r.記録), 先手の名前(r.記録)},
            n,
            r.記録.開始.手番,
            他形式読込の知らせ(r)};
}

void 開始を盤に(const 手順リスト& list, 局面& p, const 手番型& 番, 盤描画& view) {
    const 手順記録& e = list.参照(0);
    const bool same = p.盤 == e.盤 && p.MAN持駒 == e.MAN持駒 && p.COM持駒 == e.COM持駒;
    p.盤 = e.盤;
    p.MAN持駒 = e.MAN持駒;
    p.COM持駒 = e.COM持駒;
    p.MAN持駒数 = 調査_持駒数(p, 番, 番.MAN番);
    p.COM持駒数 = 調査_持駒数(p, 番, 番.COM番);
    if (!same) view.画面_再描画();
}

}  // namespace yukora
