// The records opened or saved last, newest first, kept in a file of their own in the settings
// folder (one path a line, UTF-8 as the file system gives it).
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace yukora {

inline constexpr const char* 最近のファイルの名前 = "recent-files.txt";
inline constexpr std::size_t 最近のファイルの数 = 10;

class 最近のファイル {
public:
    // Reads the list kept in `folder`; none when there is no file yet.
    explicit 最近のファイル(std::filesystem::path folder);

    const std::vector<std::string>& 一覧() const { return 一覧_; }
    // Puts `path` first (once), keeps the newest ten and writes the file.
    void 加える(const std::string& path);
    // Takes `path` off the list and writes the file.
    void 外す(const std::string& path);

private:
    void 書く() const;

    std::filesystem::path フォルダ_;
    std::vector<std::string> 一覧_;
};

}  // namespace yukora
