// The desktop's ways for records: its file dialogs and the clipboard.
#pragma once
#include <optional>
#include <string>

#include "formats/file_formats.h"

namespace yukora {

// A file to save into and the format its dialog's filter chose (the extension added).
struct 保存先 {
    std::string パス;
    棋譜形式 形式 = 棋譜形式::KIF;
};

class デスクトップ {
public:
    virtual ~デスクトップ() = default;
    // The desktop's dialog for a record to open, starting in `folder` (empty: the records
    // folder); nothing when it was cancelled.
    virtual std::optional<std::string> 開くファイルを選ぶ(const std::string& folder) = 0;
    // The dialog for a file to save into, with a filter per format; nothing when cancelled.
    virtual std::optional<保存先> 保存するファイルを選ぶ(const std::string& folder) = 0;
    // The text on the clipboard (UTF-8), empty when it holds none.
    virtual std::string クリップボード() = 0;
    virtual void クリップボードに置く(const std::string& text) = 0;
};

}  // namespace yukora
