// A record panel, a dialog and a header printer that only record what they were asked.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "flow/dialog_port.h"
#include "record/record_panel.h"
#include "record/record_view.h"

namespace yukora::test {

class 記録するパネル final : public 棋譜パネル {
public:
    bool Drive1 = false, Dir1 = false, File1 = false, 入力欄 = false;
    std::map<棋譜欄, std::string> 文字;
    std::string フォルダ;
    int 更新回数 = 0;

    void 可視_Drive1(bool v) override { Drive1 = v; }
    void 可視_Dir1(bool v) override { Dir1 = v; }
    void 可視_File1(bool v) override { File1 = v; }
    void 可視_入力欄(bool v) override { 入力欄 = v; }
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
    double X, Y;
    std::string 文字;
    int 色, 大きさ;
};

class 記録する印字 final : public 棋譜描画 {
public:
    std::vector<印字記録> 印字一覧;
    void 印字(double X, double Y, const std::string& text, int colour, int size) override {
        印字一覧.push_back({X, Y, text, colour, size});
    }
};

}  // namespace yukora::test
