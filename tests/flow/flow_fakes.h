// A whole game on fake ports: a recording screen, an advancing clock, a scripted dialog.
#pragma once
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display/fake_screen.h"
#include "engine/fake_engine_port.h"
#include "flow/game.h"
#include "panel/panel_fakes.h"
#include "sound/fake_sound_library.h"
#include "support/fake_board_view.h"

namespace yukora::test::進行試験 {

// Answers questions from a script (Yes when the script is empty) and records every box.
class 台本ダイアログ final : public ダイアログ {
public:
    std::vector<std::string> 表示した;  // "title: text"; questions "title? text"
    std::deque<bool> 答え;
    std::function<void()> 開く時;  // called as each box opens
    void メッセージ(const std::string& text, const std::string& title) override {
        表示した.push_back(title + ": " + text);
        if (開く時) 開く時();
    }
    bool 質問(const std::string& text, const std::string& title) override {
        表示した.push_back(title + "? " + text);
        if (開く時) 開く時();
        if (答え.empty()) return true;
        const bool a = 答え.front();
        答え.pop_front();
        return a;
    }
    std::string 最後() const { return 表示した.empty() ? "" : 表示した.back(); }
};

class 記録するメニュー final : public メニュー {
public:
    std::map<メニュー操作, bool> 印;
    std::vector<std::string> 最近;  // the recent files shown
    void 印設定(メニュー操作 item, bool checked) override { 印[item] = checked; }
    void 最近のファイル設定(const std::vector<std::string>& paths) override { 最近 = paths; }
    bool 印あり(メニュー操作 item) const override {
        const auto it = 印.find(item);
        return it != 印.end() && it->second;
    }
};

class 記録するブラウザ final : public ブラウザ {
public:
    std::vector<std::string> 開いた;
    bool 開ける = true;
    bool 表示(const std::string& address) override {
        開いた.push_back(address);
        return 開ける;
    }
};

class 記録する版情報 final : public 版情報窓 {
public:
    int 表示回数 = 0;
    bool ホームページ = false;
    bool 表示() override {
        ++表示回数;
        return ホームページ;
    }
};

// File dialogs that answer what the test put in, and a clipboard of one string.
class 答えるデスクトップ final : public デスクトップ {
public:
    std::optional<std::string> 開く答え;
    std::optional<保存先> 保存答え;
    std::string 中身;
    int 保存を聞いた回数 = 0;
    std::optional<std::string> 開くファイルを選ぶ(const std::string&) override { return 開く答え; }
    std::optional<保存先> 保存するファイルを選ぶ(const std::string&) override {
        ++保存を聞いた回数;
        return 保存答え;
    }
    std::string クリップボード() override { return 中身; }
    void クリップボードに置く(const std::string& text) override { 中身 = text; }
};

// The move list and graph as the game last gave them.
class 記録する棋譜リスト final : public 棋譜リストの窓 {
public:
    bool 表示 = false;
    棋譜の行一覧 行;
    std::vector<形勢点> 点;
    int 行を映した回数 = 0;
    void 棋譜リスト表示(bool on) override { 表示 = on; }
    void 行を映す(const 棋譜の行一覧& rows) override {
        行 = rows;
        ++行を映した回数;
    }
    void 形勢を映す(const std::vector<形勢点>& points, int) override { 点 = points; }
    void 検討を映す(const std::vector<std::string>& lines) override { 検討 = lines; }
    std::vector<std::string> 検討;
    void 解析の進み(int done, int total) override { 進み = {done, total}; }
    std::pair<int, int> 進み;
    void コメントを映す(bool shown, bool editable, const std::string& text) override {
        コメント = shown ? text : "(なし)";
        書ける = editable;
    }
    std::string コメント;
    bool 書ける = false;
    void 変化を映す(const std::vector<std::string>& moves) override { 変化 = moves; }
    std::vector<std::string> 変化;
    // "▲７六歩(77)" of each row after the start, the shown one with a leading ">", one with
    // other lines of play with a trailing " +".
    std::vector<std::string> 見える行() const;
};

// The game with every port faked, started from a fresh temporary folder.
class 試験台 {
public:
    試験台();
    ~試験台();

    // The twip point in the middle of cell (x, y).
    void 押す(int x, int y, int button = ボタン_左);
    // The same press as the window reports it, and a menu command likewise.
    void 窓で押す(int x, int y, int button = ボタン_左);
    void 選ぶ(メニュー操作 item) { game->メニュー選択(item); }
    // Which sounds were played, by file name, in order.
    std::vector<std::string> 鳴った音() const;
    void 音を消す() { 音.呼出記録.clear(); }

    std::filesystem::path フォルダ;
    表示試験::記録する画面 screen;
    表示試験::進む時計 clock;
    記録するタイマー timer;
    台本ダイアログ dialog;
    記録するメニュー menu;
    棋譜試験::記録するパネル panel;
    sound_test::記録サウンドライブラリ 音;
    記録するブラウザ browser;
    記録する版情報 version;
    答えるデスクトップ desktop;
    記録する棋譜リスト 棋譜リスト;
    bool 終了した = false;
    // Engine processes: every one the game started, in order; null once it let one go.
    test::偽の時計 エンジン時計;
    記録するタイマー 刻み;
    std::vector<test::偽のプロセス*> プロセス;
    エンジンの窓口 エンジン{[this] {
                                auto p = std::make_unique<test::偽のプロセス>();
                                const std::size_t i = プロセス.size();
                                p->消える = [this, i] { プロセス[i] = nullptr; };
                                プロセス.push_back(p.get());
                                return p;
                            },
                            エンジン時計, 刻み};
    std::unique_ptr<ゲーム> game;
    ゲーム状態& st() { return game->状態; }
};

}  // namespace yukora::test::進行試験
