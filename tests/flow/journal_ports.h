// The game on ports that write every call into one journal, in the order the calls were
// made: the screen's calls as the recording screen words them, and "表示更新",
// "待ち時間 0.5", "Timer1 on", "Timer1 off", "メッセージ [text] [title]", "効果音 駒打音.wav".
#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/fake_screen.h"
#include "flow/flow_fakes.h"

namespace yukora::test::進行試験 {

using 日誌 = std::vector<std::string>;

class 日誌画面 final : public 画面 {
public:
    explicit 日誌画面(日誌& out) : out_(out) {}
    void 絵(int 番号, int X, int Y) override {
        写す([&] { 記録_.絵(番号, X, Y); });
    }
    void 地色付きの絵(int 番号, int X, int Y, int 色, int 濃さ) override {
        写す([&] { 記録_.地色付きの絵(番号, X, Y, 色, 濃さ); });
    }
    void 輪郭(int 色, int X1, int Y1, int X2, int Y2) override {
        写す([&] { 記録_.輪郭(色, X1, Y1, X2, Y2); });
    }
    void 文字(int X, int Y, std::string_view text, int 大きさ, int 色) override {
        写す([&] { 記録_.文字(X, Y, text, 大きさ, 色); });
    }
    void 太字(bool on) override {
        写す([&] { 記録_.太字(on); });
    }
    void 今すぐ表示() override {
        写す([&] { 記録_.今すぐ表示(); });
    }

private:
    void 写す(const std::function<void()>& call) {
        call();
        out_.push_back(記録_.呼出し.back());
    }
    表示試験::記録する画面 記録_;
    日誌& out_;
};

// The time of day moves on by 刻み at every reading and by the length of every wait.
class 日誌時計 final : public 時計 {
public:
    explicit 日誌時計(日誌& out) : out_(out) {}
    float 今 = 100.0f;
    float 刻み = 0;
    float 現在秒() override {
        const float t = 今;
        今 += 刻み;
        return t;
    }
    void 表示更新() override { out_.push_back("表示更新"); }
    void 待ち時間(float seconds) override {
        std::string s = std::to_string(seconds);
        s.erase(s.find_last_not_of('0') + 1);
        out_.push_back("待ち時間 " + s);
        今 += seconds;
    }

private:
    日誌& out_;
};

class 日誌タイマー final : public タイマー {
public:
    explicit 日誌タイマー(日誌& out) : out_(out) {}
    bool on = false;
    void 有効設定(bool v) override {
        on = v;
        out_.push_back(v ? "Timer1 on" : "Timer1 off");
    }
    bool 有効() const override { return on; }

private:
    日誌& out_;
};

// Answers every question with Yes.
class 日誌ダイアログ final : public ダイアログ {
public:
    explicit 日誌ダイアログ(日誌& out) : out_(out) {}
    void メッセージ(const std::string& text, const std::string& title) override {
        out_.push_back("メッセージ [" + text + "] [" + title + "]");
    }
    bool 質問(const std::string& text, const std::string& title) override {
        out_.push_back("質問 [" + text + "] [" + title + "]");
        return true;
    }

private:
    日誌& out_;
};

// Plays the four sounds loaded at start-up, by their file names.
class 日誌サウンド final : public サウンドライブラリ {
public:
    explicit 日誌サウンド(日誌& out) : out_(out) {}
    std::int32_t dsInitialize(std::intptr_t) override { return 7; }
    std::int32_t dsTerminate(std::int32_t) override { return 1; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t,
                             std::int32_t) override {
        return 101 + 作った数_++;
    }
    std::int32_t dsFree(std::int32_t) override { return 1; }
    std::int32_t dsPlay(std::int32_t b) override {
        static constexpr const char* 名[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
        out_.push_back(std::string("効果音 ") + (b >= 101 && b <= 104 ? 名[b - 101] : "?"));
        return 1;
    }
    std::int32_t dsPlayLooping(std::int32_t) override { return 1; }
    std::int32_t dsStop(std::int32_t) override { return 1; }

private:
    日誌& out_;
    int 作った数_ = 0;
};

// The game started in a fresh temporary folder (the clocks option on, the timer off), with
// the journal empty.
class 日誌台 {
public:
    日誌台();
    ~日誌台();
    日誌台(const 日誌台&) = delete;
    日誌台& operator=(const 日誌台&) = delete;

    // What display procedure `f` writes into a journal of its own, drawn on a display with
    // the game's background: the lines the game's journal holds where it runs them.
    日誌 描くもの(const std::function<void(表示&)>& f);
    // The journal's lines that start with `prefix`.
    日誌 選ぶ(const std::string& prefix) const;
    // Where `part` stands in the journal as one run of lines; -1 when it does not.
    long 位置(const 日誌& part) const;

    日誌 記録;
    std::filesystem::path フォルダ;
    日誌画面 screen{記録};
    日誌時計 clock{記録};
    日誌タイマー timer{記録};
    日誌ダイアログ dialog{記録};
    記録するメニュー menu;
    棋譜試験::記録するパネル panel;
    日誌サウンド 音{記録};
    記録するブラウザ browser;
    記録する版情報 version;
    std::unique_ptr<ゲーム> game;
    ゲーム状態& st() { return game->状態; }
};

}  // namespace yukora::test::進行試験
