// Drive1: the mounted volumes of the machine in a drop-down list.
#pragma once
#include <QComboBox>
#include <QString>
#include <functional>
#include <vector>

namespace yukora::window {

struct ドライブ {
    QString 根;    // the mount point, e.g. "/" or "/media/usb"
    QString 名前;  // the volume label, may be empty
};

// The mounted volumes whose mount point is a folder, sorted by mount point.
std::vector<ドライブ> 取得_ドライブ一覧();

class ドライブ一覧 final : public QComboBox {
public:
    explicit ドライブ一覧(QWidget* parent);

    // Where the volumes come from (the machine's by default; tests put their own).
    std::function<std::vector<ドライブ>()> 一覧元 = 取得_ドライブ一覧;

    // Reads the volumes again and selects the one that holds `folder`.
    void 更新(const QString& folder);
    // Selects the volume that holds `folder` (the longest mount point above it), without
    // reporting a change.
    void 合わせる(const QString& folder);
    QString 根(int index) const;
    // The volume that holds `folder`, or -1.
    int 番号(const QString& folder) const;

private:
    std::vector<ドライブ> 一覧_;
};

// "/media/usb [LABEL]", or just the mount point when the volume has no label.
QString ドライブ表示名(const ドライブ& d);

// True when `folder` is `root` or lies below it.
bool 配下か(const QString& folder, const QString& root);

}  // namespace yukora::window
