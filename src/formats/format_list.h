// The record formats a file dialog offers, with their names and extensions.
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "formats/file_formats.h"

namespace yukora {

struct 形式の名前 {
    棋譜形式 形式;
    std::string_view 名前;    // as the dialog's filter shows it
    std::string_view 拡張子;  // with its dot
};

// Every format a record can be saved in, KIF first.
std::span<const 形式の名前> 保存できる形式();

// Every extension a record may have, for opening: the saved formats and those only read.
std::span<const std::string_view> 読める拡張子();

}  // namespace yukora
