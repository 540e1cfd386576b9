#include "panel/open_record.h"

#include <filesystem>

#include "formats/pasted_text.h"
#include "panel/other_formats.h"

namespace yukora {
namespace {

// Far more than any game's record as text (a game of 300 moves is some 15 KB); a longer text
// is read up to here, so that a pasted text cannot fill the memory with moves.
constexpr std::size_t 貼り付けの上限 = 1u << 20;

}  // namespace

棋譜読込結果 パスの棋譜を読む(const std::string& path, 手順リスト& list, 対局記録* kept) {
    const std::filesystem::path p(path);
    const std::string folder = p.parent_path().string(), name = p.filename().string();
    return 他形式の名前か(name) ? 読込_他形式(folder, name, list, kept)
                                : 読込_棋譜(folder, name, list);
}

棋譜読込結果 貼り付けの棋譜を読む(std::string_view text, 手順リスト& list, 対局記録* kept) {
    if (貼り付けの形式(text) == 貼り付け形式::空) {
        棋譜読込結果 r;
        r.新しい対局 = false;
        r.知らせ = {"ｸﾘｯﾌﾟﾎﾞｰﾄﾞに棋譜がありません"};
        return r;
    }
    return 読んだ記録を手順に(貼り付けを読む(text.substr(0, 貼り付けの上限)), list, kept);
}

}  // namespace yukora
