// A record panel, a dialog and a screen that only record what they were asked.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "game/dialog_port.h"
#include "game/screen_port.h"
#include "panel/record_panel.h"

namespace yukora::test::棋譜試験 {

class 記録するパネル final : public 棋譜パネル {
public:
    bool Drive1 = false, Dir1 = false, File1 = false, 入力欄 = false, 形式欄 = false;
    棋譜形式 形式 = 棋譜形式::KIF;  // the one chosen in the list while it is shown
    std::map<棋譜欄, std::string> 文字;
    std::string フォルダ;
    int 更新回数 = 0;

    void 可視_Drive1(bool v) override { Drive1 = v; }
    void 可視_Dir1(bool v) override { Dir1 = v; }
    void 可視_File1(bool v) override { File1 = v; }
    void 可視_入力欄(bool v) override { 入力欄 = v; }
    void 可視_形式(bool v) override { 形式欄 = v; }
    棋譜形式 選んだ形式() const override { return 形式欄 ? 形式 : 棋譜形式::不明; }
    std::string 文字列(棋譜欄 box) const override {
        const auto it = 文字.find(box);
        return it == 文字.end() ? std::string() : it->second;
    }
    void 文字列設定(棋譜欄 box, const std::string& text) override { 文字[box] = text; }
    std::string File1フォルダ() const override { return フォルダ; }
    void File1更新() override { ++更新回数; }
};

struct メッセージ記録 {
    std::string 本文, 題;
    bool operator==(const メッセージ記録&) const = default;
};

class 記録するダイアログ final : public ダイアログ {
public:
    std::vector<メッセージ記録> 表示;
    bool 答え = true;
    void メッセージ(const std::string& text, const std::string& title) override {
        表示.push_back({text, title});
    }
    bool 質問(const std::string& text, const std::string& title) override {
        表示.push_back({text, title});
        return 答え;
    }
};

struct 印字記録 {
    int X, Y;
    std::string 文字;
    int 大きさ, 色;
};

// Keeps the texts printed; pictures and outlines are not looked at here.
class 文字を記録する画面 final : public 画面 {
public:
    std::vector<印字記録> 印字一覧;
    void 絵(int, int, int) override {}
    void 地色付きの絵(int, int, int, int, int) override {}
    void 輪郭(int, int, int, int, int) override {}
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) override {
        印字一覧.push_back({X, Y, std::string(text), 大きさ, 色});
    }
    void 太字(bool) override {}
    void 今すぐ表示() override {}
};

}  // namespace yukora::test::棋譜試験
