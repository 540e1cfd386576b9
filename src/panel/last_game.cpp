#include "panel/last_game.h"

#include <cerrno>

#include "formats/file_formats.h"
#include "formats/kif_writer.h"
#include "formats/usi_text.h"
#include "panel/other_formats.h"
#include "settings/file_places.h"
#include "textfile/file_replace.h"

namespace yukora {

namespace {

void 行を足す(std::string& s, const std::vector<std::string>& lines) {
    s += '\x1f';  // between the comments of two moves; a line holds no control character
    for (const std::string& line : lines) s += line + '\n';
}

}  // namespace

std::string 対局の手順(const 対局記録& r) {
    std::string s = position行を書く(r);
    行を足す(s, r.開始のコメント);
    for (const 記録の手& m : r.手) 行を足す(s, m.コメント);
    行を足す(s, r.終局のコメント);
    return s;
}

std::optional<std::string> 残す対局(const 読込結果& game, const std::string& 保存済み) {
    const 対局記録& r = game.記録;
    if (空の記録か(r) || 対局の手順(r) == 保存済み) return std::nullopt;
    書込結果 w = 棋譜を書く(r, 棋譜形式::KIF);
    // Names Shift-JIS cannot hold: the same record in UTF-8, which the first line announces.
    if (!w.理由.empty()) w = 棋譜を書く(r, 棋譜形式::KIFU);
    if (!w.理由.empty()) return std::nullopt;
    return w.内容;
}

int 前回の対局を書く(const std::filesystem::path& folder, const std::string& bytes) {
    if (!フォルダを用意(folder)) return errno != 0 ? errno : ENOENT;
    return ファイル置換(folder.string(), 前回の対局の名前, bytes);
}

}  // namespace yukora
