// Local files as "file:" addresses a browser accepts.
#pragma once
#include <filesystem>
#include <string>

namespace yukora {

// "file://" and the absolute path, percent-encoded byte by byte (UTF-8 included), then
// "#" and `fragment` when one is given.
std::string 変換_ファイルURL(const std::filesystem::path& file, const std::string& fragment = "");

}  // namespace yukora
