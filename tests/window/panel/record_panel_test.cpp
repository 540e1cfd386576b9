#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "panel/other_formats.h"
#include "panel/panel_commands.h"
#include "window/panel/record_panel_widgets.h"

namespace yukora::window {
namespace {

namespace fs = std::filesystem;

void 空ファイル(const fs::path& p) { std::ofstream(p) << "x\r\n"; }

// A left click in the middle of an item, as the mouse gives it.
void クリック(QAbstractItemView* view, const QModelIndex& index) {
    ASSERT_TRUE(index.isValid());
    const QPoint at = view->visualRect(index).center();
    QWidget* port = view->viewport();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(port, &e);
    }
}

std::vector<std::string> 一覧(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

QTreeWidgetItem* 今の項目(const フォルダ一覧* dir) {
    QTreeWidgetItem* item = dir->topLevelItem(0);
    // The current folder is the deepest open one: the last item that has the path.
    for (QTreeWidgetItemIterator it(const_cast<フォルダ一覧*>(dir)); *it; ++it)
        if (フォルダ項目のパス(**it) == dir->パス()) item = *it;
    return item;
}

QTreeWidgetItem* 子(QTreeWidgetItem* parent, const char* name) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == QString::fromUtf8(name)) return parent->child(i);
    return nullptr;
}

// A folder with two records, a text file and two subfolders; the panel over a shown window.
class 棋譜パネル部品試験 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        空ファイル(根 / "b.棋譜");
        空ファイル(根 / "A.棋譜");
        空ファイル(根 / "memo.txt");
        fs::create_directory(根 / "sub");
        空ファイル(根 / "sub" / "x.棋譜");
        fs::create_directory(根 / "棋譜集");
        空ファイル(根 / "棋譜集" / "名局.棋譜");
        窓.resize(664, 513);
        窓.show();
    }

    QTemporaryDir tmp;
    fs::path 根{tmp.path().toStdString()};
    QWidget 窓;
};

TEST_F(棋譜パネル部品試験, 部品は初めて使うときに作り閉じるだけでは作らない) {
    棋譜パネル部品 panel(&窓, 根);
    EXPECT_EQ(fs::path(panel.File1フォルダ()), 根);
    EXPECT_EQ(panel.文字列(棋譜欄::Text2), "");
    棋譜パネル_閉じる(panel);
    EXPECT_TRUE(窓.findChildren<QWidget*>().isEmpty());

    KIFU_READ_Click(panel);
    EXPECT_EQ(窓.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 13);
    EXPECT_EQ(一覧(panel.File1()), (std::vector<std::string>{"A.棋譜", "b.棋譜"}));
    EXPECT_EQ(panel.Dir1()->パス().toStdString(), 根.string());
}

TEST_F(棋譜パネル部品試験, 部品は隠れて始まり配置はtwipの十五分の一) {
    棋譜パネル部品 panel(&窓, 根);
    struct 期待 {
        QWidget* w;
        QRect 画素;
    };
    const 期待 全部[] = {
        {panel.Drive1(), {16, 24, 169, 20}},
        {panel.Dir1(), {16, 40, 169, 114}},
        {panel.File1(), {16, 152, 169, 62}},
        {panel.Label1(3), {8, 160, 57, 17}},
        {panel.Label1(2), {8, 176, 57, 17}},
        {panel.Label1(1), {8, 192, 57, 17}},
        {panel.Label1(0), {8, 208, 57, 17}},
        {panel.欄(棋譜欄::Text2), {64, 160, 153, 18}},
        {panel.欄(棋譜欄::Text3), {64, 176, 153, 18}},
        {panel.欄(棋譜欄::Text4), {64, 192, 153, 18}},
        {panel.欄(棋譜欄::Text1), {64, 208, 153, 18}},
        {panel.Command1(), {224, 224, 57, 25}},
        {panel.形式(), {224, 206, 57, 17}},
    };
    for (const auto& e : 全部) {
        EXPECT_EQ(e.w->parentWidget(), &窓) << e.w->objectName().toStdString();
        EXPECT_EQ(e.w->geometry(), e.画素) << e.w->objectName().toStdString();
        EXPECT_FALSE(e.w->isVisible()) << e.w->objectName().toStdString();
    }
    EXPECT_EQ(panel.Label1(3)->text().toStdString(), "対 局 名：");
    EXPECT_EQ(panel.Label1(2)->text().toStdString(), "先    手 ：");
    EXPECT_EQ(panel.Label1(1)->text().toStdString(), "後    手 ：");
    EXPECT_EQ(panel.Label1(0)->text().toStdString(), "ﾌｧｲﾙ名 ：");
    EXPECT_EQ(panel.Command1()->text().toStdString(), "RETURN");
    for (const 棋譜欄 box : {棋譜欄::Text1, 棋譜欄::Text2, 棋譜欄::Text3, 棋譜欄::Text4})
        EXPECT_EQ(panel.文字列(box), "");
}

TEST_F(棋譜パネル部品試験, 読込と書込と閉じるで見える部品が変わる) {
    棋譜パネル部品 panel(&窓, 根);
    auto 見える = [&](QWidget* w) { return w->isVisible(); };
    auto 入力欄 = [&] {
        std::vector<bool> v;
        for (int i = 0; i < 4; ++i) v.push_back(見える(panel.Label1(i)));
        for (const 棋譜欄 b : {棋譜欄::Text1, 棋譜欄::Text2, 棋譜欄::Text3, 棋譜欄::Text4})
            v.push_back(見える(panel.欄(b)));
        v.push_back(見える(panel.Command1()));
        return v;
    };
    const std::vector<bool> 全部出る(9, true), 全部隠れる(9, false);

    KIFU_READ_Click(panel);
    EXPECT_TRUE(見える(panel.Drive1()));
    EXPECT_TRUE(見える(panel.Dir1()));
    EXPECT_TRUE(見える(panel.File1()));
    EXPECT_EQ(入力欄(), 全部隠れる);

    // "書込": the drive and folder lists with the boxes; typed texts stay.
    panel.文字列設定(棋譜欄::Text2, "名人戦");
    描画_可視(panel, true, true, false);
    描画_棋譜_IO(panel, 0);
    EXPECT_TRUE(見える(panel.Drive1()));
    EXPECT_TRUE(見える(panel.Dir1()));
    EXPECT_FALSE(見える(panel.File1()));
    EXPECT_EQ(入力欄(), 全部出る);
    EXPECT_EQ(panel.文字列(棋譜欄::Text2), "名人戦");

    EXPECT_FALSE(見える(panel.形式()));
    EXPECT_EQ(panel.選んだ形式(), 棋譜形式::不明);
    // "KIF･CSA書込": the same, with the list of formats.
    KIF_WRITE_Click(panel);
    EXPECT_EQ(入力欄(), 全部出る);
    panel.形式()->setCurrentIndex(2);
    EXPECT_EQ(panel.形式()->currentText().toStdString(), "KI2");
    EXPECT_EQ(panel.選んだ形式(), 棋譜形式::KI2);
    panel.文字列設定(棋譜欄::Text1, "対局.CSA");  // a typed extension is followed
    EXPECT_EQ(panel.形式()->currentText().toStdString(), "CSA");

    棋譜パネル_閉じる(panel);
    EXPECT_EQ(panel.選んだ形式(), 棋譜形式::不明);
    EXPECT_FALSE(見える(panel.Drive1()));
    EXPECT_FALSE(見える(panel.Dir1()));
    EXPECT_FALSE(見える(panel.File1()));
    EXPECT_EQ(入力欄(), 全部隠れる);
    EXPECT_EQ(panel.文字列(棋譜欄::Text2), "");
}

TEST_F(棋譜パネル部品試験, 四つの欄は日本語をUTF8のまま返す) {
    棋譜パネル部品 panel(&窓, 根);
    const std::pair<棋譜欄, std::string> 欄と文字[] = {
        {棋譜欄::Text1, "第１局"},
        {棋譜欄::Text2, "王位戦　七番勝負 ﾃｽﾄ"},
        {棋譜欄::Text3, "先手・山田"},
        {棋譜欄::Text4, "後手・𠮷田"},  // outside the basic plane
    };
    for (const auto& [box, text] : 欄と文字) panel.文字列設定(box, text);
    for (const auto& [box, text] : 欄と文字) {
        EXPECT_EQ(panel.文字列(box), text);
        EXPECT_EQ(panel.欄(box)->text(), QString::fromUtf8(text.c_str()));
    }
    // A user's typing reads back the same way.
    panel.欄(棋譜欄::Text1)->setText(QStringLiteral("新しい棋譜"));
    EXPECT_EQ(panel.文字列(棋譜欄::Text1), "新しい棋譜");
}

TEST_F(棋譜パネル部品試験, 見出しの三つの欄は読み戻せる長さまでしか受け付けない) {
    棋譜パネル部品 panel(&窓, 根);
    for (const 棋譜欄 box : {棋譜欄::Text2, 棋譜欄::Text3, 棋譜欄::Text4}) {
        panel.欄(box)->insert(QString(見出しの最大文字数 + 500, QChar(u'将')));  // typed or pasted
        EXPECT_EQ(panel.欄(box)->text().size(), 見出しの最大文字数);
    }
    panel.欄(棋譜欄::Text1)->insert(QString(300, QChar(u'f')));  // the name is checked on saving
    EXPECT_EQ(panel.欄(棋譜欄::Text1)->text().size(), 300);
}

TEST_F(棋譜パネル部品試験, ファイル一覧は棋譜だけを名前順に並べクリックで名前を渡す) {
    棋譜パネル部品 panel(&窓, 根);
    std::vector<std::string> 選ばれた;
    panel.ファイル選択 = [&](const std::string& name) { 選ばれた.push_back(name); };
    KIFU_READ_Click(panel);

    EXPECT_EQ(fs::path(panel.File1フォルダ()), 根);
    ASSERT_EQ(一覧(panel.File1()), (std::vector<std::string>{"A.棋譜", "b.棋譜"}));
    クリック(panel.File1(), panel.File1()->model()->index(1, 0));
    EXPECT_EQ(選ばれた, std::vector<std::string>{"b.棋譜"});

    // A file written later appears once the list is read again.
    空ファイル(根 / "c.棋譜");
    EXPECT_EQ(panel.File1()->count(), 2);
    panel.File1更新();
    EXPECT_EQ(一覧(panel.File1()), (std::vector<std::string>{"A.棋譜", "b.棋譜", "c.棋譜"}));
}

TEST_F(棋譜パネル部品試験, フォルダ一覧は祖先と下のフォルダを並べ選ぶと入る) {
    棋譜パネル部品 panel(&窓, 根);
    KIFU_READ_Click(panel);
    フォルダ一覧* dir = panel.Dir1();

    // From the root down to the start folder, one level each, then its subfolders.
    QTreeWidgetItem* item = dir->topLevelItem(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(dir->topLevelItemCount(), 1);
    EXPECT_EQ(item->text(0).toStdString(), "/");
    std::vector<std::string> 道;
    while (item->childCount() > 0 && フォルダ項目のパス(*item) != dir->パス()) {
        ASSERT_EQ(item->childCount(), 1) << item->text(0).toStdString();
        item = item->child(0);
        道.push_back(item->text(0).toStdString());
    }
    std::vector<std::string> 期待道;
    for (const auto& part : 根.relative_path()) 期待道.push_back(part.string());
    EXPECT_EQ(道, 期待道);
    ASSERT_EQ(item->childCount(), 2);
    EXPECT_EQ(item->child(0)->text(0).toStdString(), "sub");
    EXPECT_EQ(item->child(1)->text(0).toStdString(), "棋譜集");
    EXPECT_EQ(dir->currentItem(), item);

    クリック(dir, dir->indexFromItem(子(今の項目(dir), "sub")));
    EXPECT_EQ(fs::path(panel.File1フォルダ()), 根 / "sub");
    EXPECT_EQ(一覧(panel.File1()), std::vector<std::string>{"x.棋譜"});
    EXPECT_EQ(今の項目(dir)->childCount(), 0);

    // Back up through the ancestor, then into a folder with a Japanese name.
    QTreeWidgetItem* 親 = 今の項目(dir)->parent();
    ASSERT_NE(親, nullptr);
    クリック(dir, dir->indexFromItem(親));
    EXPECT_EQ(fs::path(panel.File1フォルダ()), 根);
    クリック(dir, dir->indexFromItem(子(今の項目(dir), "棋譜集")));
    EXPECT_EQ(一覧(panel.File1()), std::vector<std::string>{"名局.棋譜"});
    // The folder comes back as a path the core can open.
    EXPECT_TRUE(fs::exists(fs::path(panel.File1フォルダ()) / "名局.棋譜"));
}

TEST_F(棋譜パネル部品試験, 読めないドライブは断られ元のドライブに戻る) {
    const fs::path 別 = 根 / "sub";
    棋譜パネル部品 panel(&窓, 根);
    panel.Drive1()->一覧元 = [&] {
        return std::vector<ドライブ>{{QString::fromStdString(根.string()), QStringLiteral("記録")},
                                     {QStringLiteral("/nonexistent-yukora-volume"), {}},
                                     {QString::fromStdString(別.string()), {}}};
    };
    std::vector<bool> 聞かれた;
    panel.ドライブ変更 = [&](bool readable) {
        聞かれた.push_back(readable);
        return readable ? 1 : 0;
    };
    KIFU_READ_Click(panel);
    ドライブ一覧* drive = panel.Drive1();
    ASSERT_EQ(drive->count(), 3);
    EXPECT_EQ(drive->itemText(0).toStdString(), 根.string() + " [記録]");
    EXPECT_EQ(drive->currentIndex(), 0);

    auto 選ぶ = [&](int i) {
        drive->setCurrentIndex(i);
        emit drive->activated(i);
    };
    選ぶ(0);  // the drive already shown
    EXPECT_TRUE(聞かれた.empty());

    選ぶ(1);
    EXPECT_EQ(聞かれた, std::vector<bool>{false});
    EXPECT_EQ(drive->currentIndex(), 0);
    EXPECT_EQ(fs::path(panel.File1フォルダ()), 根);

    選ぶ(2);
    EXPECT_EQ(聞かれた, (std::vector<bool>{false, true}));
    EXPECT_EQ(drive->currentIndex(), 2);
    EXPECT_EQ(panel.Dir1()->パス().toStdString(), 別.string());
    EXPECT_EQ(一覧(panel.File1()), std::vector<std::string>{"x.棋譜"});

    // Walking up out of that volume shows the volume of the folder entered.
    クリック(panel.Dir1(), panel.Dir1()->indexFromItem(今の項目(panel.Dir1())->parent()));
    EXPECT_EQ(drive->currentIndex(), 0);
}

TEST(ドライブ一覧, 機械の根と配下の判定) {
    const auto all = 取得_ドライブ一覧();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().根.toStdString(), "/");
    for (const ドライブ& d : all)
        EXPECT_TRUE(fs::is_directory(d.根.toStdString())) << d.根.toStdString();

    EXPECT_TRUE(配下か("/media/usb", "/media/usb"));
    EXPECT_TRUE(配下か("/media/usb/棋譜", "/media/usb"));
    EXPECT_FALSE(配下か("/media/usb2", "/media/usb"));
    EXPECT_TRUE(配下か("/home", "/"));
    EXPECT_EQ(ドライブ表示名({"/", ""}).toStdString(), "/");
}

}  // namespace
}  // namespace yukora::window
