// The record panel as child widgets of the window's canvas: Drive1, Dir1, File1, the four
// Label1 captions, Text1..Text4, the list of formats beside Text1 and Command1, at their twip
// positions (15 twips = 1 pixel at 100 %; they move and grow with the zoom, their fonts too).
#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "panel/record_panel.h"
#include "window/panel/drive_list.h"
#include "window/panel/folder_list.h"

namespace yukora::window {

class 棋譜パネル部品 final : public 棋譜パネル {
public:
    // The widgets are children of `parent` (client-area pixels); the three lists start at
    // `開始フォルダ`. All start hidden, and are made the first time the panel is used: most
    // games never open it.
    棋譜パネル部品(QWidget* parent, const std::filesystem::path& 開始フォルダ);
    ~棋譜パネル部品() override;
    棋譜パネル部品(const 棋譜パネル部品&) = delete;
    棋譜パネル部品& operator=(const 棋譜パネル部品&) = delete;

    // File1_Click: a file of the list was clicked (its name with ".棋譜", no folder).
    std::function<void(const std::string& name)> ファイル選択;
    // Command1_Click: "RETURN" was pressed.
    std::function<void()> 保存;
    // Drive1_Change: another drive was chosen; `readable` whether its root can be listed.
    // 0 refuses, and the drive list goes back to the drive before.
    std::function<int(bool readable)> ドライブ変更;

    void 可視_Drive1(bool visible) override;
    void 可視_Dir1(bool visible) override;
    void 可視_File1(bool visible) override;
    void 可視_入力欄(bool visible) override;
    void 可視_形式(bool visible) override;
    棋譜形式 選んだ形式() const override;
    std::string 文字列(棋譜欄 box) const override;
    void 文字列設定(棋譜欄 box, const std::string& text) override;
    std::string File1フォルダ() const override;
    void File1更新() override;

    ドライブ一覧* Drive1() { return 用意(), Drive1_; }
    フォルダ一覧* Dir1() { return 用意(), Dir1_; }
    QListWidget* File1() { return 用意(), File1_; }
    QLineEdit* 欄(棋譜欄 box);
    // Label1(0) "ﾌｧｲﾙ名 ：" … Label1(3) "対 局 名："
    QLabel* Label1(int index) { return 用意(), Label1_.at(static_cast<std::size_t>(index)); }
    QPushButton* Command1() { return 用意(), Command1_; }
    QComboBox* 形式() { return 用意(), 形式_; }

    // Places every control for the zoom `zoom`, the client area's origin at `origin` (logical
    // pixels of the parent).
    void 倍率設定(qreal zoom, QPointF origin);

private:
    // Makes the widgets the first time.
    void 用意();
    void 部品を作る(QWidget* parent);
    QLineEdit* 欄の部品(棋譜欄 box) const;
    void ドライブを選んだ(int index);
    void フォルダが変わった();

    QPointer<ドライブ一覧> Drive1_;
    QPointer<フォルダ一覧> Dir1_;
    QPointer<QListWidget> File1_;
    std::array<QPointer<QLabel>, 4> Label1_;
    std::array<QPointer<QLineEdit>, 4> Text_;  // Text1..Text4
    QPointer<QPushButton> Command1_;
    QPointer<QComboBox> 形式_;
    // Every control with its place in twips.
    std::vector<std::pair<QPointer<QWidget>, QRect>> 配置_;
    QWidget* 親_;
    bool 作成済_ = false;
    // The zoom and origin the controls are placed for, kept until they are made.
    qreal 倍率_ = 1.0;
    QPointF 原点_;
    QString File1フォルダ_;
};

}  // namespace yukora::window
