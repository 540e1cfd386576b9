#include "kifu/commands.h"

#include <ostream>

#include "formats/file_formats.h"
#include "formats/record_move.h"
#include "rules/sfen.h"
#include "textfile/file_replace.h"
#include "textfile/whole_file.h"

namespace yukora {
namespace {

constexpr const char* 拡張子一覧 = ".棋譜 .kif .kifu .ki2 .ki2u .csa";

void 使い方(std::ostream& err) {
    err << "usage: yukora-kifu convert IN OUT   (formats: " << 拡張子一覧
        << "; IN by its text where that tells)\n"
           "       yukora-kifu sfen IN\n";
}

void エラーを書く(std::ostream& err, const std::string& path, const 読込エラー& e) {
    err << path;
    if (e.行 > 0) err << ':' << e.行;
    err << ": ";
    if (e.手数 > 0) err << (e.変化で ? "branch, move " : "move ") << e.手数 << ": ";
    err << e.理由 << '\n';
}

void 注意を書く(std::ostream& err, const std::string& path, const 読込注意& n) {
    err << path;
    if (n.行 > 0) err << ':' << n.行;
    err << ": note: " << n.理由 << '\n';
}

// Reads a record; false after telling why when nothing or only part of it could be read.
// Notes on what was read in another way than written go to `err` too.
bool 記録を読む(const std::string& path, 読込結果& res, std::ostream& err) {
    const ファイルの中身 f = ファイルを丸ごと読む(path, 棋譜の大きさの上限);
    if (const std::string why = 読めない理由(f, 棋譜の大きさの上限); !why.empty()) {
        err << path << ": " << why << '\n';
        return false;
    }
    res = 棋譜を読む(f.bytes, 拡張子の形式(path));
    for (const 読込注意& n : res.注意) 注意を書く(err, path, n);
    if (res.エラー) エラーを書く(err, path, *res.エラー);
    return !res.エラー;
}

}  // namespace

int 変換する(const std::string& in, const std::string& out, std::ostream& err) {
    const 棋譜形式 f = 拡張子の形式(out);
    if (f == 棋譜形式::不明) {
        err << out << ": unknown extension (" << 拡張子一覧 << ")\n";
        return 1;
    }
    読込結果 res;
    if (!記録を読む(in, res, err)) return 1;
    const 書込結果 w = 棋譜を書く(res.記録, f);
    if (!w.理由.empty()) {
        err << out << ": " << w.理由 << '\n';
        return 1;
    }
    const size_t slash = out.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : out.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? out : out.substr(slash + 1);
    if (const int e = ファイル置換(folder, name, w.内容); e != 0) {
        err << out << ": " << 置換できない理由(e) << '\n';
        return 1;
    }
    return 0;
}

int SFENを印字する(const std::string& in, std::ostream& out, std::ostream& err) {
    読込結果 res;
    const bool ok = 記録を読む(in, res, err);
    if (!ok && res.記録.手.empty() && (!res.エラー || res.エラー->手数 == 0)) return 1;
    記録局面 pos = res.記録.開始;
    out << SFEN書込(pos, 1) << '\n';
    int 手目 = 1;
    for (const 記録の手& m : res.記録.手) {
        if (!記録の手を指す(pos, m).empty()) break;
        out << SFEN書込(pos, ++手目) << '\n';
    }
    return ok ? 0 : 1;
}

int 実行する(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 3 && args[0] == "convert") return 変換する(args[1], args[2], err);
    if (args.size() == 2 && args[0] == "sfen") return SFENを印字する(args[1], out, err);
    使い方(err);
    return 2;
}

}  // namespace yukora
