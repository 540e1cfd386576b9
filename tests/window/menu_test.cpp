// The menu as a person uses it: the captions shown, the check marks following the options, and
// what choosing each item does, in the program assembled.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/app.h"
#include "window/message_boxes.h"

namespace yukora::window {
namespace {

using 道 = std::vector<const char*>;

// A program started in a fresh folder, as at the very first start.
std::unique_ptr<窓アプリ> 始めた窓() {
    char pattern[] = "/tmp/yukora-menu-XXXXXX";
    auto app = std::make_unique<窓アプリ>(1.0, std::filesystem::path(mkdtemp(pattern)),
                                          std::make_unique<無音ライブラリ>());
    app->開始();
    return app;
}

// The item reached by its captions from the menu bar down, each menu on the way opened as a
// person opens it; none when a caption is not there.
QAction* 開いて探す(窓アプリ& app, const 道& captions) {
    QList<QAction*> items = app.窓().menuBar()->actions();
    QAction* found = nullptr;
    for (const char* caption : captions) {
        if (found != nullptr) {
            if (found->menu() == nullptr) return nullptr;
            emit found->menu()->aboutToShow();
            items = found->menu()->actions();
        }
        const auto it = std::find_if(items.begin(), items.end(), [&](const QAction* a) {
            return a->text() == QString::fromUtf8(caption);
        });
        if (it == items.end()) return nullptr;
        found = *it;
    }
    return found;
}

std::string 名(const 道& captions) {
    std::string s;
    for (const char* c : captions) s += std::string(s.empty() ? "" : " → ") + c;
    return s;
}

void 選ぶ(窓アプリ& app, const 道& captions) {
    QAction* item = 開いて探す(app, captions);
    ASSERT_NE(item, nullptr) << 名(captions);
    item->trigger();
}

// The menu bar as a person reads it: one item a line, indented under its menu, "[x] " or
// "[ ] " before an item that takes a check mark.
std::string 見える形(const QList<QAction*>& items, int depth = 0) {
    std::string out;
    for (const QAction* a : items) {
        out += std::string(2 * static_cast<size_t>(depth), ' ');
        if (a->isCheckable()) out += a->isChecked() ? "[x] " : "[ ] ";
        out += a->text().toStdString() + "\n";
        if (a->menu()) out += 見える形(a->menu()->actions(), depth + 1);
    }
    return out;
}

// The first start writes the settings file with bamboo, the clocks on and the other options
// off; the computer plays at level 3 and the window at 100 %.
TEST(メニュー, 最初に見える見出しと並びと印) {
    const auto app = 始めた窓();
    EXPECT_EQ(見える形(app->窓().menuBar()->actions()), R"(対局
  対局(人間)
    スタート
  対局(COM)
    先手
    後手
  対局(ｴﾝｼﾞﾝ)
    先手
    後手
    ｴﾝｼﾞﾝ同士
    中断
  COM対局ﾚﾍﾞﾙ
    [ ] LEVEL1
    [ ] LEVEL2
    [x] LEVEL3
  投了
  終わり
局面
  最初
  反転
戻
進
△
▽
棋譜
  読込
  書込
  KIF･CSA書込
  開く…
  名前を付けて保存…
  最近のﾌｧｲﾙ
    (なし)
  ｺﾋﾟｰ
    KIF
    CSA
    KI2
    SFEN
    USI
  貼り付け
  前回の対局
ｵﾌﾟｼｮﾝ
  背景画
    [ ] 緑
    [ ] 畳
    [x] 竹
    [ ] 宇宙
    [ ] 煉瓦
  [ ] 移動指導
  [x] 経過時間
  [ ] BGM
  [ ] 勢力表示
  [ ] 棋譜ﾘｽﾄ
  表示倍率
    [x] 100%
    [ ] 125%
    [ ] 150%
    [ ] 200%
    [ ] 250%
    [ ] 300%
    [ ] ウィンドウに合わせる
  ｴﾝｼﾞﾝ設定…
その他
  解説
  バージョン情報
  ヒント
  [ ] 形勢ｸﾞﾗﾌ
  [ ] 検討
  検討の候補数
    [x] 1
    [ ] 2
    [ ] 3
  棋譜解析
    1秒
    3秒
    10秒
    中止
)");
}

// In each group of choices the item chosen alone carries the mark, and the game takes it: the
// level, the background (2 green … 6 brick), the zoom (0: fit the window). The item checked at
// start is chosen last, so that every choice changes something.
TEST(メニュー, 選んだ項目だけに印が付き設定がそれに従う) {
    const struct {
        道 menu;
        std::function<int(窓アプリ&)> 設定;
        std::vector<int> 値;
    } groups[] = {
        {{"対局", "COM対局ﾚﾍﾞﾙ"}, [](窓アプリ& a) { return a.進行().強さ.レベル; }, {1, 2, 3}},
        {{"ｵﾌﾟｼｮﾝ", "背景画"},
         [](窓アプリ& a) { return a.表示部().状態.背景画番号; },
         {2, 3, 4, 5, 6}},
        {{"ｵﾌﾟｼｮﾝ", "表示倍率"},
         [](窓アプリ& a) { return a.窓().キャンバス().表示倍率の項目(); },
         {100, 125, 150, 200, 250, 300, 0}},
    };
    const auto app = 始めた窓();
    for (const auto& g : groups) {
        QAction* menu = 開いて探す(*app, g.menu);
        ASSERT_TRUE(menu != nullptr && menu->menu() != nullptr) << 名(g.menu);
        const QList<QAction*> items = menu->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(g.値.size())) << 名(g.menu);
        const auto first =
            std::find_if(items.begin(), items.end(), [](auto* a) { return a->isChecked(); });
        const qsizetype start = first == items.end() ? 0 : first - items.begin() + 1;
        for (qsizetype n = 0; n < items.size(); ++n) {
            const qsizetype i = (start + n) % items.size();
            道 path = g.menu;
            const std::string caption = items[i]->text().toStdString();
            path.push_back(caption.c_str());
            選ぶ(*app, path);
            for (qsizetype j = 0; j < items.size(); ++j)
                EXPECT_EQ(items[j]->isChecked(), j == i) << 名(path) << ": " << j;
            EXPECT_EQ(g.設定(*app), g.値[static_cast<size_t>(i)]) << 名(path);
        }
    }
}

TEST(メニュー, 印の付く設定は選ぶたびに入り切りし印が従う) {
    const struct {
        const char* 見出し;
        std::function<bool(窓アプリ&)> 入;
    } cases[] = {
        {"移動指導", [](窓アプリ& a) { return a.対局().状態.設定.移動指導フラグ == 1; }},
        {"経過時間", [](窓アプリ& a) { return a.対局().状態.設定.印.KEIKA; }},
        {"BGM", [](窓アプリ& a) { return a.対局().状態.設定.印.BGM; }},
        {"勢力表示", [](窓アプリ& a) { return a.対局().状態.設定.印.SEIRYOKU; }},
    };
    const auto app = 始めた窓();
    for (const auto& c : cases) {
        const 道 path{"ｵﾌﾟｼｮﾝ", c.見出し};
        QAction* item = 開いて探す(*app, path);
        ASSERT_NE(item, nullptr) << c.見出し;
        for (int n = 0; n < 2; ++n) {
            const bool was = c.入(*app);
            EXPECT_EQ(item->isChecked(), was) << c.見出し;
            選ぶ(*app, path);
            EXPECT_EQ(c.入(*app), !was) << c.見出し;
            EXPECT_EQ(item->isChecked(), !was) << c.見出し;
        }
    }
}

// What a person sees after choosing each command in a fresh program; `先に` is chosen first.
TEST(メニュー, 命令の項目を選ぶとその結果が見える) {
    struct 見たもの {
        std::vector<箱の中身> 箱;
        bool 版情報 = false;  // the version dialog was shown
    };
    using 見え方 = std::function<void(窓アプリ&, const 見たもの&)>;
    const auto 箱 = [](const char* text, const char* title) -> 見え方 {
        return [=](窓アプリ&, const 見たもの& seen) {
            ASSERT_FALSE(seen.箱.empty());
            EXPECT_EQ(seen.箱.back().文.substr(0, std::string(text).size()), text);
            EXPECT_EQ(seen.箱.back().題, title);
        };
    };
    const auto 状態 = [](std::function<bool(窓アプリ&)> f) -> 見え方 {
        return [f](窓アプリ& a, const 見たもの&) { EXPECT_TRUE(f(a)); };
    };
    // The record panel: the file list to read from, or the name box to write to.
    const auto パネル = [](bool 書く) -> 見え方 {
        return [書く](窓アプリ& a, const 見たもの&) {
            EXPECT_EQ(a.棋譜パネル().File1()->isHidden(), 書く);
            EXPECT_EQ(a.棋譜パネル().欄(棋譜欄::Text1)->isHidden(), !書く);
        };
    };
    const 道 反転{"局面", "反転"};
    const struct {
        道 path;
        道 先に;
        見え方 見える;
    } cases[] = {
        {{"対局", "対局(人間)", "スタート"}, {}, 箱("先手の番です", " ")},
        {{"対局", "対局(COM)", "先手"}, {}, 箱("MANの番です", " ")},
        // The computer moves first, on top.
        {{"対局", "対局(COM)", "後手"}, {}, 状態([](窓アプリ& a) {
             return a.進行().番.MAN番 == -1 && a.進行().数.手数 == 1;
         })},
        {{"対局", "終わり"}, {}, 状態([](窓アプリ& a) { return a.終了済み(); })},
        {{"局面", "最初"}, {"対局", "対局(人間)", "スタート"}, 状態([](窓アプリ& a) {
             return a.進行().番.手番 == 0;
         })},
        {反転, {}, 状態([](窓アプリ& a) { return a.進行().番.反転済 == 1; })},
        {{"戻"}, {}, 箱("できません", "戻る")},
        {{"進"}, {}, 箱("「対局」で始めて下さい", "開始")},
        {{"△"}, {}, 状態([](窓アプリ& a) { return a.進行().強さ.ハンデレベル == 1; })},
        {{"▽"}, {}, 状態([](窓アプリ& a) { return a.進行().強さ.ハンデレベル == -1; })},
        {{"棋譜", "読込"}, {}, パネル(false)},
        // After turning the board a record is refused, but the other formats are not.
        {{"棋譜", "書込"}, 反転, 箱("反転後は書き込みできません", "棋譜書込")},
        {{"棋譜", "KIF･CSA書込"}, 反転, パネル(true)},
        {{"その他", "解説"}, {}, 箱("解説ファイルが見つかりません。", "解説")},
        {{"その他", "バージョン情報"},
         {},
         [](窓アプリ&, const 見たもの& seen) { EXPECT_TRUE(seen.版情報); }},
        {{"その他", "ヒント"}, {}, 箱("「対局」で始めて下さい", "ヒント")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(名(c.path));
        const auto app = 始めた窓();
        箱を閉じる boxes;
        見たもの seen;
        app->版情報().表示中 = [&seen](版情報画面& f) {
            seen.版情報 = true;
            f.Command2()->click();
        };
        // Chosen in the event loop, as the program runs: "終わり" ends that loop.
        QTimer::singleShot(0, [&] {
            if (!c.先に.empty()) 選ぶ(*app, c.先に);
            選ぶ(*app, c.path);
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        seen.箱 = boxes.箱;
        c.見える(*app, seen);
    }
}

}  // namespace
}  // namespace yukora::window
