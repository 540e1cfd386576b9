// Where a run finds its data and keeps the user's files: beside the program in its run folder,
// or, installed, the data in the installed tree and the settings in the user's config folder.
#pragma once
#include <filesystem>
#include <functional>
#include <string>

namespace yukora {

// What the program knows at start-up about where it runs.
struct 起動の様子 {
    std::filesystem::path 実行フォルダ;  // the running executable's folder; empty when unknown
    std::filesystem::path 現在フォルダ;
    std::string XDG_CONFIG_HOME;         // as set; empty when unset
    std::string XDG_DATA_HOME;           // as set; empty when unset
    std::string ホーム;                  // $HOME, else the password file's; empty when neither
    std::filesystem::path 文書フォルダ;  // the desktop's documents folder; empty when unknown
    // Installed, the data folder and the sound library's folder relative to the executable's.
    std::filesystem::path データの相対位置 = "../share/yukora-shogi";
    std::filesystem::path ライブラリの相対位置 = "../lib/yukora-shogi";
};

struct 置き場 {
    std::filesystem::path データ;        // sounds and help page
    std::filesystem::path ライブラリ;    // the sound library's folder
    std::filesystem::path 設定;          // the settings file's folder
    std::filesystem::path 棋譜;          // where the record panel starts
    bool 導入済 = false;                 // data from the installed tree, settings in the home
    std::filesystem::path 利用者データ;  // what the game keeps for the user (the last game)
};

// The program's own folder inside the user's config folder.
inline constexpr const char* 設定フォルダ名 = "yukora-shogi";

// A folder nothing can be created in, not even by root: the settings of a user without a
// home are then never kept, as when the file cannot be written.
inline constexpr const char* 置けない場所 = "/dev/null";

using 有無 = std::function<bool(const std::filesystem::path&)>;

// Not installed when `データがある` in the executable's folder (as the build lays it out), or
// when the executable is unknown: then data, settings and records are in the current folder
// when the data is there too (as ./run.sh starts the game), else beside the executable, and
// the sound library is beside the executable. Otherwise the program is installed: data and
// library relative to the executable, settings in $XDG_CONFIG_HOME (an absolute one) or
// ~/.config, records from the documents folder, else the home, else the current folder (the
// first of them that `フォルダがある`), the user's own data in $XDG_DATA_HOME (an absolute one)
// or ~/.local/share.
置き場 置き場を決める(const 起動の様子& s, const 有無& データがある, const 有無& フォルダがある);

// The facts of this process: /proc/self/exe, the current folder, the environment and the
// password file. The documents folder is left for the caller.
起動の様子 起動の様子を調べる();

// Creates the folder and its missing parents as 0700 (the rule of the user's config and data
// folders); false when it cannot be made. Never throws.
bool フォルダを用意(const std::filesystem::path& folder);

// Creates the settings folder and its missing parents (as 0700, the config folder's rule)
// when installed; false when it cannot be made. Never throws.
bool 設定フォルダを用意(const 置き場& p);

}  // namespace yukora
