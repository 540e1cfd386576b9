#include "formats/file_formats.h"

#include <algorithm>

#include "formats/csa_reader.h"
#include "formats/csa_writer.h"
#include "formats/format_detection.h"
#include "formats/game_record.h"
#include "formats/handicap_names.h"
#include "formats/ki2_reader.h"
#include "formats/ki2_writer.h"
#include "formats/kif_reader.h"
#include "formats/kif_writer.h"
#include "formats/record_text.h"
#include "own_format/record_content.h"
#include "own_format/record_line.h"
#include "own_format/record_writer.h"
#include "textfile/line_reader.h"

namespace yukora {
namespace {

// The header lines of a ".棋譜" file come before its entries.
constexpr int 見出しの行数 = 3;

bool 終わる(std::string_view name, std::string_view ext) {
    if (name.size() < ext.size()) return false;
    const std::string_view tail = name.substr(name.size() - ext.size());
    for (size_t i = 0; i < ext.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

// The lines of the bytes, a last one without a line end included.
int 行数(std::string_view bytes) {
    int n = 0;
    for (const char c : bytes) n += c == '\n';
    return n + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

読込結果 棋譜ファイルを読む(std::string_view bytes) {
    文字列行入力 in(bytes);
    手順リスト list;
    const 棋譜内容 c = 読込_棋譜内容(in, list);
    読込結果 res;
    if (c.項目数 == 0) {
        res.エラー = 読込エラー{0, 0, "no moves in the record"};
        return res;
    }
    手順の列 seq;
    局面 start;
    初期配置(start);
    seq.項目.push_back({});
    seq.項目[0].盤 = start.盤;
    for (int i = 1; i <= c.項目数; ++i) seq.項目.push_back(list.参照(i));
    // The file keeps no clocks of the start: the first move's are those its entry starts with.
    seq.項目[0].MAN時間後 = seq.項目[1].MAN時間前;
    seq.項目[0].COM時間後 = seq.項目[1].COM時間前;
    seq.下の名前 = c.見出し[2];
    seq.上の名前 = c.見出し[1];
    res = 手順を記録に(seq, 終局理由::なし);
    std::vector<見出し項目>& head = res.記録.見出し;
    if (!c.見出し[0].empty()) head.insert(head.begin(), {"棋戦", c.見出し[0]});
    if (res.エラー) {
        res.エラー->行 = 見出しの行数 + res.エラー->手数;
    } else if (行数(bytes) > 見出しの行数 + c.項目数) {
        const int 行 = 見出しの行数 + c.項目数 + 1;
        res.エラー = 読込エラー{行, c.項目数 + 1, "a line that cannot be read as Shift-JIS"};
    }
    return res;
}

読込結果 テキストを読む(const 棋譜テキスト& t, 内容の種類 kind) {
    読込結果 res = kind == 内容の種類::CSA   ? CSAを読む(t.行)
                   : kind == 内容の種類::KI2 ? KI2を読む(t.行)
                                             : KIFを読む(t.行);
    // Text in neither encoding keeps its place as U+FFFD; a move there is refused by its reader.
    for (const int line : t.置き換えた行)
        res.注意.push_back({line, "bytes that are neither UTF-8 nor Shift-JIS were replaced"});
    std::sort(res.注意.begin(), res.注意.end(),
              [](const 読込注意& a, const 読込注意& b) { return a.行 < b.行; });
    return res;
}

内容の種類 名前の種類(棋譜形式 f) {
    switch (f) {
        case 棋譜形式::棋譜: return 内容の種類::棋譜;
        case 棋譜形式::KIF:
        case 棋譜形式::KIFU: return 内容の種類::KIF;
        case 棋譜形式::KI2:
        case 棋譜形式::KI2U: return 内容の種類::KI2;
        case 棋譜形式::CSA: return 内容の種類::CSA;
        case 棋譜形式::不明: break;
    }
    return 内容の種類::不明;
}

const char* 種類の名前(内容の種類 k) {
    switch (k) {
        case 内容の種類::棋譜: return "a \".棋譜\" record";
        case 内容の種類::KIF: return "KIF";
        case 内容の種類::KI2: return "KI2";
        case 内容の種類::CSA: return "CSA";
        case 内容の種類::不明: break;
    }
    return "";
}

書込結果 棋譜ファイルを書く(const 対局記録& r) {
    const 手合割* h = 手合割を局面で探す(r.開始);
    if (h == nullptr || !h->落とす駒.empty())
        return {{}, "a \".棋譜\" file holds only games from the usual start"};
    if (r.手.empty()) return {{}, "no moves to save"};
    if (r.手.size() > static_cast<size_t>(棋譜項目の上限))
        return {{}, "a \".棋譜\" file holds at most " + std::to_string(棋譜項目の上限) + " moves"};
    手順リスト list;
    進行状態 s;
    s.番.MAN番 = 先手;
    s.番.COM番 = 後手;
    s.数.手順最終 = 記録を手順に(r, list);
    const 棋譜書式結果 file =
        書式_棋譜ファイル(list, s, {見出しの値(r, "棋戦"), 先手の名前(r), 後手の名前(r)});
    if (!file.内容)
        return {{}, "a name or the title has a character Shift-JIS lacks, or a line break"};
    return {*file.内容, {}};
}

書込結果 テキストを書く(const 書式結果& lines, 文字コード enc) {
    if (!lines.理由.empty()) return {{}, lines.理由};
    auto bytes = 棋譜テキストを書く(lines.行, enc);
    if (!bytes) return {{}, "a name or the title has a character Shift-JIS lacks"};
    return {std::move(*bytes), {}};
}

struct 拡張子 {
    棋譜形式 形式;
    std::string_view 名;
};
constexpr 拡張子 拡張子表[] = {
    {棋譜形式::棋譜, ".棋譜"}, {棋譜形式::KIF, ".kif"},   {棋譜形式::KIFU, ".kifu"},
    {棋譜形式::KI2, ".ki2"},   {棋譜形式::KI2U, ".ki2u"}, {棋譜形式::CSA, ".csa"},
};

書込結果 形式で書く(const 対局記録& r, 棋譜形式 f) {
    switch (f) {
        case 棋譜形式::棋譜: return 棋譜ファイルを書く(r);
        case 棋譜形式::KIF:
            return テキストを書く(KIF行を書く(r, 文字コード::SJIS), 文字コード::SJIS);
        case 棋譜形式::KIFU:
            return テキストを書く(KIF行を書く(r, 文字コード::UTF8), 文字コード::UTF8);
        case 棋譜形式::KI2: return テキストを書く(KI2行を書く(r), 文字コード::SJIS);
        case 棋譜形式::KI2U: return テキストを書く(KI2行を書く(r), 文字コード::UTF8);
        case 棋譜形式::CSA: return テキストを書く(CSA行を書く(r), 文字コード::SJIS);
        case 棋譜形式::不明: break;
    }
    return {{}, "unknown format"};
}

}  // namespace

棋譜形式 拡張子の形式(std::string_view name) {
    for (const 拡張子& e : 拡張子表)
        if (終わる(name, e.名)) return e.形式;
    return 棋譜形式::不明;
}

std::string_view 形式の拡張子(棋譜形式 f) {
    for (const 拡張子& e : 拡張子表)
        if (e.形式 == f) return e.名;
    return {};
}

std::string 拡張子を付ける(std::string_view name, 棋譜形式 f) {
    const 棋譜形式 typed = 拡張子の形式(name);
    if (typed == f) return std::string(name);
    if (typed != 棋譜形式::不明) name.remove_suffix(形式の拡張子(typed).size());
    return std::string(name) + std::string(形式の拡張子(f));
}

読込結果 棋譜を読む(std::string_view bytes, 棋譜形式 f) {
    const 棋譜テキスト t = 棋譜テキストを読む(bytes);
    const 内容の種類 named = 名前の種類(f), found = 内容の形式(bytes, t.行);
    const 内容の種類 kind = found != 内容の種類::不明 ? found : named;
    読込結果 res;
    if (kind == 内容の種類::不明) {
        res.エラー = 読込エラー{0, 0, "unknown format"};
        return res;
    }
    res = kind == 内容の種類::棋譜 ? 棋譜ファイルを読む(bytes) : テキストを読む(t, kind);
    if (named != 内容の種類::不明 && kind != named)
        res.注意.insert(res.注意.begin(),
                        {0, std::string("read as ") + 種類の名前(kind) + ", as its text shows"});
    return res;
}

書込結果 棋譜を書く(const 対局記録& r, 棋譜形式 f) {
    書込結果 w = 形式で書く(r, f);
    if (w.理由.empty() && w.内容.size() > 棋譜の大きさの上限) {
        w.内容.clear();
        w.理由 = "the file would be larger than " + std::to_string(棋譜の大きさの上限 >> 20) +
                 " MiB, more than is read";
    }
    return w;
}

}  // namespace yukora
