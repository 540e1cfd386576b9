#include "help/help_page.h"

#include <system_error>

namespace yukora {

namespace {

bool そのまま使える(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string 変換_ファイルURL(const std::filesystem::path& file, const std::string& fragment) {
    static constexpr char 十六進[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : std::filesystem::absolute(file).lexically_normal().string()) {
        if (そのまま使える(c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += 十六進[c >> 4];
            url += 十六進[c & 15];
        }
    }
    if (!fragment.empty()) url += "#" + fragment;
    return url;
}

namespace {

// Opens the page and says so plainly when it cannot be shown.
void ページ表示(ブラウザ& browser, ダイアログ& dialog, const std::filesystem::path& 起動フォルダ,
                const std::string& section, const char* title) {
    const std::filesystem::path file = 起動フォルダ / ヘルプファイル名;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        dialog.メッセージ("解説ファイルが見つかりません。\n" + file.string(), title);
        return;
    }
    // Named as a file, not as an address, so that it can be opened by hand.
    if (!browser.表示(取得_ヘルプURL(起動フォルダ, section)))
        dialog.メッセージ(
            "ﾌﾞﾗｳｻﾞで表示できません\n\n次のﾌｧｲﾙをﾌﾞﾗｳｻﾞで開いて下さい\n" + file.string(), title);
}

}  // namespace

std::string 取得_ヘルプURL(const std::filesystem::path& folder, const std::string& section) {
    return 変換_ファイルURL(folder / ヘルプファイル名, section);
}

void KAISETU_Click(ブラウザ& browser, ダイアログ& dialog,
                   const std::filesystem::path& 起動フォルダ) {
    ページ表示(browser, dialog, 起動フォルダ, "", "解説");
}

void ホームページ表示(ブラウザ& browser, ダイアログ& dialog,
                      const std::filesystem::path& 起動フォルダ) {
    ページ表示(browser, dialog, 起動フォルダ, ホームページ見出し, "ホームページ");
}

}  // namespace yukora
