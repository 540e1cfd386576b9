// The record panel on the main window: drive, folder and file lists, four captioned text
// boxes and the "RETURN" button. The window implements it with real widgets.
#pragma once
#include <string>

#include "formats/file_formats.h"
#include "textfile/line_reader.h"

namespace yukora {

// The text boxes by their control names.
enum class 棋譜欄 {
    Text1,  // file name without folder and extension
    Text2,  // game title
    Text3,  // name of 先手
    Text4,  // name of 後手
};

// The most characters Text2..Text4 take: any of them fits the reader's line cap in
// Shift-JIS (two bytes at most each), so every header written reads back whole.
inline constexpr int 見出しの最大文字数 = static_cast<int>(行の上限 / 2);

class 棋譜パネル {
public:
    virtual ~棋譜パネル() = default;
    virtual void 可視_Drive1(bool visible) = 0;
    virtual void 可視_Dir1(bool visible) = 0;
    virtual void 可視_File1(bool visible) = 0;
    // Text1..Text4, the four Label1 captions and Command1, shown or hidden together.
    virtual void 可視_入力欄(bool visible) = 0;
    // The list of formats beside the name, shown only by "KIF･CSA書込".
    virtual void 可視_形式(bool visible) = 0;
    // The format chosen in that list; 不明 while it is hidden.
    virtual 棋譜形式 選んだ形式() const = 0;
    virtual std::string 文字列(棋譜欄 box) const = 0;
    virtual void 文字列設定(棋譜欄 box, const std::string& text) = 0;
    // The folder the file list shows (UTF-8).
    virtual std::string File1フォルダ() const = 0;
    // Reads the folder again so that a file just written appears.
    virtual void File1更新() = 0;
};

}  // namespace yukora
