// Dir1: a classic folder list — the current folder's ancestors from the root down, each one
// level deeper, then the current folder's subfolders; choosing one enters it.
#pragma once
#include <QString>
#include <QTreeWidget>
#include <functional>

namespace yukora::window {

class フォルダ一覧 final : public QTreeWidget {
public:
    explicit フォルダ一覧(QWidget* parent);

    // Enters `folder` (made absolute and clean) and reports the change.
    void パス設定(const QString& folder);
    // Takes `folder` as the current one without reading it or reporting it (before the list
    // is first shown).
    void パスを置く(const QString& folder);
    const QString& パス() const { return パス_; }
    // Reads the current folder's subfolders again.
    void 更新();

    // Called after every change of the path (Dir1_Change).
    std::function<void()> 変更;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // No expand arrows: every level is always open.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void 選んだ(QTreeWidgetItem* item);

    QString パス_;
};

// Path of the folder an item of the list stands for.
QString フォルダ項目のパス(const QTreeWidgetItem& item);

}  // namespace yukora::window
