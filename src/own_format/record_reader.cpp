#include "own_format/record_reader.h"

#include "game/position.h"

namespace yukora {

bool 一覧の名前か(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

namespace {

std::string 開けない知らせ(開く結果 opened) {
    switch (opened) {
        case 開く結果::ない: return "棋譜ﾌｧｲﾙが見つかりません";
        case 開く結果::読めない: return "棋譜ﾌｧｲﾙを読む権限がありません";
        case 開く結果::ファイルでない: return "普通のﾌｧｲﾙではないので読み込めません";
        default: return "棋譜ﾌｧｲﾙを開けません";
    }
}

std::string 項目なしの知らせ(const 棋譜内容& c) {
    switch (c.終わり) {
        case 棋譜の終わり::ShiftJISでない:
            return std::string("棋譜ﾌｧｲﾙがShift-JISではありません") +
                   (c.UTF8らしい ? "\n\nUTF-8で書かれているようです" : "");
        case 棋譜の終わり::読込エラー: return "棋譜ﾌｧｲﾙの読み込み中にｴﾗｰが起きました";
        default: return "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
    }
}

// Entries 1..n were read, and not the rest.
std::string 途中までの知らせ(const 棋譜内容& c) {
    const std::string 読めた = std::to_string(c.項目数) + "手まで読み込みました\n\n";
    const std::string 次 = std::to_string(c.項目数 + 1) + "手目";
    switch (c.終わり) {
        case 棋譜の終わり::上限:
            return 読めた + std::to_string(棋譜項目の上限) + "手を超える分は読み込めません";
        case 棋譜の終わり::ShiftJISでない: return 読めた + 次 + "にShift-JISでない文字があります";
        default: return 読めた + 次 + "で読み込みｴﾗｰが起きました";
    }
}

}  // namespace

std::vector<std::string> 棋譜読込の知らせ(開く結果 opened, const 棋譜内容& c) {
    if (opened != 開く結果::開いた) return {開けない知らせ(opened)};
    if (c.項目数 == 0) return {項目なしの知らせ(c)};
    const std::string first =
        c.終わり == 棋譜の終わり::最後まで ? std::string(" 読み込みました") : 途中までの知らせ(c);
    return {first, "棋譜を '進 'で進めて下さい"};
}

棋譜読込結果 読込_棋譜(const std::string& folder, const std::string& name, 手順リスト& list) {
    局面 start;
    初期配置(start);
    list.項目(0) = 手順記録{start.盤, start.MAN持駒, start.COM持駒};
    開く結果 opened = 開く結果::ない;
    棋譜内容 c;
    if (一覧の名前か(name)) {
        ファイル行入力 in((folder.empty() ? "." : folder) + "/" + name);
        opened = in.結果();
        c = 読込_棋譜内容(in, list);
    }
    return {true, c.見出し, c.項目数, c.項目数 > 0 ? 1 : 0, 棋譜読込の知らせ(opened, c), {}};
}

}  // namespace yukora
