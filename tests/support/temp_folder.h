// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace yukora::test::棋譜試験 {

class 一時フォルダ {
public:
    一時フォルダ() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "yukora-test-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
    }
    ~一時フォルダ() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    一時フォルダ(const 一時フォルダ&) = delete;
    一時フォルダ& operator=(const 一時フォルダ&) = delete;

    std::string 場所() const { return path_.string(); }
    std::string 中(const std::string& name) const { return (path_ / name).string(); }

    void 置く(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string 読む(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Names in the folder, sorted.
    std::string 一覧() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string joined;
        for (const std::string& n : names) joined += (joined.empty() ? "" : " ") + n;
        return joined;
    }

private:
    std::filesystem::path path_;
};

}  // namespace yukora::test::棋譜試験
