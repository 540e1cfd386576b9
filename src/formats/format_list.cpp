#include "formats/format_list.h"

#include <array>

namespace yukora {
namespace {

constexpr std::array<形式の名前, 6> 保存形式{{
    {棋譜形式::KIF, "KIF", ".kif"},
    {棋譜形式::KIFU, "KIFU", ".kifu"},
    {棋譜形式::KI2, "KI2", ".ki2"},
    {棋譜形式::KI2U, "KI2U", ".ki2u"},
    {棋譜形式::CSA, "CSA", ".csa"},
    {棋譜形式::棋譜, "棋譜", ".棋譜"},
}};

constexpr std::array<std::string_view, 6> 拡張子{".kif", ".kifu", ".ki2", ".ki2u", ".csa", ".棋譜"};

}  // namespace

std::span<const 形式の名前> 保存できる形式() { return 保存形式; }

std::span<const std::string_view> 読める拡張子() { return 拡張子; }

}  // namespace yukora
