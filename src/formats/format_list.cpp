#include "formats/format_list.h"

#include <array>

namespace yukora {
namespace {

constexpr std::array<形式の名前, 4> 保存形式{{
    {棋譜形式::KIF, "KIF", ".kif"},
    {棋譜形式::KIFU, "KIFU", ".kifu"},
    {棋譜形式::CSA, "CSA", ".csa"},
    {棋譜形式::棋譜, "棋譜", ".棋譜"},
}};

constexpr std::array<std::string_view, 6> 拡張子{".kif", ".kifu", ".ki2", ".ki2u", ".csa", ".棋譜"};

}  // namespace

std::span<const 形式の名前> 保存できる形式() { return 保存形式; }

std::span<const std::string_view> 読める拡張子() { return 拡張子; }

std::string 拡張子を付ける(const std::string& path, 棋譜形式 f) {
    if (拡張子の形式(path) == f) return path;
    for (const 形式の名前& n : 保存形式)
        if (n.形式 == f) return path + std::string(n.拡張子);
    return path;
}

}  // namespace yukora
