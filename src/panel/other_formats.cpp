#include "panel/other_formats.h"

#include "formats/end_words.h"
#include "formats/file_formats.h"
#include "formats/game_end.h"
#include "formats/game_record.h"
#include "formats/handicap_names.h"
#include "formats/record_notes.h"
#include "own_format/record_reader.h"
#include "own_format/record_writer.h"
#include "panel/panel_commands.h"
#include "panel/record_save.h"
#include "textfile/utf8.h"
#include "textfile/whole_file.h"

namespace yukora {
namespace {

constexpr const char* 空白題 = "  ";
constexpr const char* 保存題 = "棋譜保存";

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

// Why a file of the list gives no bytes to read: the boxes that say so; none when it does.
std::vector<std::string> 開けない知らせ(const ファイルの中身& f) {
    if (f.大きすぎる)
        return {"棋譜ﾌｧｲﾙが大きすぎて読み込めません\n\n" +
                std::to_string(棋譜の大きさの上限 >> 20) + "MBまでのﾌｧｲﾙを読み込めます"};
    if (f.結果 == 開く結果::エラー && f.エラー番号 != 0)
        return {"棋譜ﾌｧｲﾙの読み込み中にｴﾗｰが起きました\n\n" + 読めない理由(f, 0)};
    if (f.結果 != 開く結果::開いた) return 棋譜読込の知らせ(f.結果, {});
    return {};
}

// 中断 says only that the game did not end: nothing to name.
bool 終局を言うか(終局理由 how) { return how != 終局理由::なし && how != 終局理由::中断; }

// What the record says of itself beyond its moves: the handicap it starts from and the word of
// its ending, as lines for the box that says it was read; empty when it holds neither.
std::string 手合と終局(const 対局記録& r) {
    std::string out;
    if (const 手合割* h = 手合割を局面で探す(r.開始); h != nullptr && !h->落とす駒.empty())
        out += "\n手合割：" + std::string(h->名前);
    if (終局を言うか(r.終局)) out += "\n終局：" + UTF8へ(KIFの終局語(r.終局));
    return out.empty() ? out : "\n" + out;
}

// Lines the reader passed over or mended, said rather than skipped in silence.
std::string 注意の説明(const std::vector<読込注意>& notes) {
    int first = 0, n = 0;
    for (const 読込注意& note : notes)
        if (note.行 > 0) first = first == 0 ? note.行 : first, ++n;
    if (n == 0) return {};
    return "\n\n" + std::to_string(first) + "行目" + (n > 1 ? "ほか" : "") +
           "に読み飛ばした行か置き換えた文字があります";
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
    panel.可視_形式(true);
}

int 他形式で保存(const 手順リスト& list, const 局面& p, const 進行状態& s, 棋譜形式 f,
                 棋譜パネル& panel, ダイアログ& dialog, std::optional<終局理由> 終局,
                 const 対局記録* notes) {
    const std::string name = 拡張子を付ける(panel.文字列(棋譜欄::Text1), f);
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
    読込結果 r = 対局を記録に(list, p, s, h, "", 終局.value_or(終局を調べる(p, s)));
    if (notes != nullptr) 注釈を写す(*notes, r.記録);
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
    const 書込結果 w = 棋譜を書く(r.記録, f);
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
    std::string first = " 読み込みました" + 手合と終局(r.記録) + 注意の説明(r.注意);
    if (r.エラー) {
        const int 手数 = r.エラー->手数 > 0 ? r.エラー->手数 : n + 1;
        first = std::to_string(n) + "手まで読み込みました\n\n" + std::to_string(手数) + "手目" +
                行の説明(*r.エラー) + "が読めないか指せない手です";
    }
    return {first, "棋譜を '進 'で進めて下さい"};
}

棋譜読込結果 読込_他形式(const std::string& folder, const std::string& name, 手順リスト& list,
                         対局記録* kept) {
    if (!一覧の名前か(name)) return 読めない(棋譜読込の知らせ(開く結果::ない, {}));
    const ファイルの中身 f =
        ファイルを丸ごと読む((folder.empty() ? "." : folder) + "/" + name, 棋譜の大きさの上限);
    if (std::vector<std::string> why = 開けない知らせ(f); !why.empty()) return 読めない(why);
    return 読んだ記録を手順に(棋譜を読む(f.bytes, 拡張子の形式(name)), list, kept);
}

棋譜読込結果 読んだ記録を手順に(読込結果 r, 手順リスト& list, 対局記録* kept) {
    if (読めなかったか(r)) return 読めない(他形式読込の知らせ(r));
    const int n = 記録を手順に(r.記録, list);
    if (n < static_cast<int>(r.記録.手.size())) {
        r.記録.手.resize(static_cast<size_t>(n));
        if (!r.エラー) r.エラー = 読込エラー{0, n + 1, "an illegal move"};
    }
    if (kept != nullptr) *kept = r.記録;
    const std::string how =
        r.エラー || !終局を言うか(r.記録.終局) ? std::string() : UTF8へ(KIFの終局語(r.記録.終局));
    return {true,
            {見出しの値(r.記録, "棋戦"), 後手の名前(r.記録), 先手の名前(r.記録)},
            n,
            r.記録.開始.手番,
            他形式読込の知らせ(r),
            how,
            true};
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
