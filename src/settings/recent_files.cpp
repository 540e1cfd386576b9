#include "settings/recent_files.h"

#include <algorithm>

#include "textfile/file_replace.h"
#include "textfile/line_reader.h"

namespace yukora {

最近のファイル::最近のファイル(std::filesystem::path folder) : フォルダ_(std::move(folder)) {
    ファイル行入力 in((フォルダ_ / 最近のファイルの名前).string());
    std::string line;
    while (一覧_.size() < 最近のファイルの数 && in.次の行(line))
        if (!line.empty() && !in.切り詰めた() && std::ranges::count(一覧_, line) == 0)
            一覧_.push_back(line);
}

void 最近のファイル::加える(const std::string& path) {
    // A line break in a name would split it in the file.
    if (path.empty() || path.find('\n') != std::string::npos) return;
    std::erase(一覧_, path);
    一覧_.insert(一覧_.begin(), path);
    if (一覧_.size() > 最近のファイルの数) 一覧_.resize(最近のファイルの数);
    書く();
}

void 最近のファイル::外す(const std::string& path) {
    if (std::erase(一覧_, path) > 0) 書く();
}

// Not kept when the folder cannot be written: the list still works for this run.
void 最近のファイル::書く() const {
    std::string text;
    for (const std::string& p : 一覧_) text += p + "\n";
    ファイル置換(フォルダ_.string(), 最近のファイルの名前, text);
}

}  // namespace yukora
