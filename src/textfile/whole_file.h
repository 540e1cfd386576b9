// Reading a file whole, up to a size: only a regular file is opened (a pipe or a device would
// block or act), and the reason is kept when it cannot be read.
#pragma once
#include <cstddef>
#include <string>

#include "textfile/line_reader.h"

namespace yukora {

struct ファイルの中身 {
    開く結果 結果 = 開く結果::開いた;
    bool 大きすぎる = false;  // larger than the limit: nothing is kept
    int エラー番号 = 0;  // the system's error number when 結果 is エラー or reading failed
    std::string bytes;
};

// The bytes of the file at `path`, at most `上限` of them.
ファイルの中身 ファイルを丸ごと読む(const std::string& path, std::size_t 上限);

// Why the file could not be read, in English for the command line; empty when it was read.
std::string 読めない理由(const ファイルの中身& f, std::size_t 上限);

}  // namespace yukora
