#include "window/panel/drive_list.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace yukora::window {

std::vector<ドライブ> 取得_ドライブ一覧() {
    std::vector<ドライブ> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        // Bind mounts of single files are volumes too; only folders can be browsed.
        if (!v.isValid() || !QFileInfo(v.rootPath()).isDir()) continue;
        const bool seen = std::any_of(out.begin(), out.end(),
                                      [&](const ドライブ& d) { return d.根 == v.rootPath(); });
        if (!seen) out.push_back({v.rootPath(), v.name()});
    }
    std::sort(out.begin(), out.end(),
              [](const ドライブ& a, const ドライブ& b) { return a.根 < b.根; });
    return out;
}

QString ドライブ表示名(const ドライブ& d) {
    return d.名前.isEmpty() ? d.根 : d.根 + QStringLiteral(" [") + d.名前 + QLatin1Char(']');
}

bool 配下か(const QString& folder, const QString& root) {
    if (folder == root) return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return folder.startsWith(prefix);
}

ドライブ一覧::ドライブ一覧(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Drive1"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void ドライブ一覧::更新(const QString& folder) {
    一覧_ = 一覧元 ? 一覧元() : std::vector<ドライブ>{};
    const QSignalBlocker quiet(this);
    clear();
    for (const ドライブ& d : 一覧_) addItem(ドライブ表示名(d));
    合わせる(folder);
}

int ドライブ一覧::番号(const QString& folder) const {
    int best = -1;
    for (int i = 0; i < static_cast<int>(一覧_.size()); ++i)
        if (配下か(folder, 一覧_[i].根) && (best < 0 || 一覧_[i].根.size() > 一覧_[best].根.size()))
            best = i;
    return best;
}

void ドライブ一覧::合わせる(const QString& folder) {
    int best = 番号(folder);
    if (best < 0) {
        // A folder on no listed volume: list its own volume so the box never lies.
        const QStorageInfo v(folder);
        一覧_.push_back({v.isValid() ? v.rootPath() : folder, v.name()});
        const QSignalBlocker quiet(this);
        addItem(ドライブ表示名(一覧_.back()));
        best = static_cast<int>(一覧_.size()) - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

QString ドライブ一覧::根(int index) const {
    return index >= 0 && index < static_cast<int>(一覧_.size()) ? 一覧_[index].根 : QString();
}

}  // namespace yukora::window
