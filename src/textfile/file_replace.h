// Replacing a file whole, so that a failed write never destroys what was there.
#pragma once
#include <string>
#include <string_view>

namespace yukora {

// Failures of ファイル置換 that are no system error number.
inline constexpr int 置換_書込禁止 = -1;        // the file's permissions forbid writing
inline constexpr int 置換_ファイルでない = -2;  // a pipe, a device or a socket has the name

// How the new contents are prepared before they take the file's place.
enum class 一時ファイル方式 {
    名前なし,  // an unnamed file (O_TMPFILE), named only once complete
    名前付き,  // a hidden file named from the start, where unnamed ones are not supported
};

// Writes `bytes` into folder/name, replacing the file whole and at once. A symbolic link
// is followed (through any chain) and stays a link; the file it leads to is replaced, in
// its own folder. A file the user may not write, a folder and other things that are not
// plain files are left alone. Returns 0, or a system error number or one of the 置換_
// values above; on failure the old file is untouched. Saves of one file at once each write
// their own temporary file; none outlives a finished call, and those a killed save left
// behind are removed by later saves.
int ファイル置換(const std::string& folder, const std::string& name, std::string_view bytes,
                 一時ファイル方式 way = 一時ファイル方式::名前なし);

// A new hidden name for the contents of `name` just before they take its place: the same
// start for every save of `name`, then this process and a number of its own.
std::string 一時ファイル名(const std::string& name);

// A short explanation of a failure of ファイル置換 for the user.
std::string 書込エラー説明(int err);

// The same in English, for the command line: the system's text for its error numbers.
std::string 置換できない理由(int err);

}  // namespace yukora
