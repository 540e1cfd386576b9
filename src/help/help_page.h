// The help page beside the program, shown in the web browser; its section about the program
// is the maker's page that the version dialog opens.
#pragma once
#include <filesystem>
#include <string>

#include "game/dialog_port.h"
#include "help/ports.h"

namespace yukora {

// "file://" and the absolute path, percent-encoded byte by byte (UTF-8 included), then
// "#" and `fragment` when one is given.
std::string 変換_ファイルURL(const std::filesystem::path& file, const std::string& fragment = "");

inline constexpr const char* ヘルプファイル名 = "Yukora将棋1.htm";
// The anchor of the section about the program in the help page.
inline constexpr const char* ホームページ見出し = "about";

// The address of the help page in `folder`, optionally at one of its sections.
std::string 取得_ヘルプURL(const std::filesystem::path& folder, const std::string& section = "");

// "解説": the help page of the folder that was current at start-up.
void KAISETU_Click(ブラウザ& browser, ダイアログ& dialog,
                   const std::filesystem::path& 起動フォルダ);

// The version dialog's "ホームページ": the help page's section about the program.
void ホームページ表示(ブラウザ& browser, ダイアログ& dialog,
                      const std::filesystem::path& 起動フォルダ);

}  // namespace yukora
