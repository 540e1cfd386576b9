#include "window/panel/folder_list.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace yukora::window {
namespace {

constexpr int パス役 = Qt::UserRole;

QTreeWidgetItem* 項目を作る(const QString& path, const QString& text, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setIcon(0, icon);
    item->setData(0, パス役, path);
    item->setToolTip(0, path);
    return item;
}

}  // namespace

QString フォルダ項目のパス(const QTreeWidgetItem& item) { return item.data(0, パス役).toString(); }

フォルダ一覧::フォルダ一覧(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("Dir1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(9);
    setIconSize(QSize(14, 14));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    // A click enters the folder; the second press of a double click then lands on the new
    // list and does nothing more.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { 選んだ(item); });
}

void フォルダ一覧::パス設定(const QString& folder) {
    パスを置く(folder);
    更新();
    if (変更) 変更();
}

void フォルダ一覧::パスを置く(const QString& folder) {
    パス_ = QDir::cleanPath(QDir(folder).absolutePath());
}

void フォルダ一覧::更新() {
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();

    // The root, then one item per folder on the way down, each inside the one before.
    QTreeWidgetItem* current = 項目を作る(QStringLiteral("/"), QStringLiteral("/"), open);
    addTopLevelItem(current);
    QString path;
    for (const QString& part : パス_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        auto* item = 項目を作る(path, part, open);
        current->addChild(item);
        current = item;
    }

    const QDir dir(パス_);
    for (const QFileInfo& sub :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        current->addChild(項目を作る(sub.absoluteFilePath(), sub.fileName(), closed));

    expandAll();
    setCurrentItem(current);
    scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void フォルダ一覧::選んだ(QTreeWidgetItem* item) {
    if (!item) return;
    const QString path = フォルダ項目のパス(*item);
    if (path != パス_) パス設定(path);
}

void フォルダ一覧::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        選んだ(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

}  // namespace yukora::window
