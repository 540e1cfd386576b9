#include "window/desktop_dialogs.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>

#include "formats/format_list.h"

namespace yukora::window {
namespace {

// "*.kif *.KIF": names on Linux are told apart by case.
QString 型(std::string_view ext) {
    const QString e = QString::fromUtf8(ext.data(), static_cast<qsizetype>(ext.size()));
    return e.toUpper() == e ? "*" + e : "*" + e + " *" + e.toUpper();
}

QString 保存の絞り込み(const 形式の名前& f) {
    return QString::fromUtf8(f.名前.data(), static_cast<qsizetype>(f.名前.size())) + " (" +
           型(f.拡張子) + ")";
}

}  // namespace

QString Qtデスクトップ::開始フォルダ(const std::string& folder) const {
    return QFile::decodeName(
        QByteArray::fromStdString(folder.empty() ? 棋譜フォルダ_.string() : folder));
}

std::optional<std::string> Qtデスクトップ::開くファイルを選ぶ(const std::string& folder) {
    QStringList every;
    for (const std::string_view ext : 読める拡張子()) every << 型(ext);
    QStringList filters{"棋譜ﾌｧｲﾙ (" + every.join(' ') + ")"};
    for (const 形式の名前& f : 保存できる形式()) filters << 保存の絞り込み(f);
    filters << "すべてのﾌｧｲﾙ (*)";
    const QString path =
        QFileDialog::getOpenFileName(親_, "開く", 開始フォルダ(folder), filters.join(";;"));
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

std::optional<保存先> Qtデスクトップ::保存するファイルを選ぶ(const std::string& folder) {
    QStringList filters;
    for (const 形式の名前& f : 保存できる形式()) filters << 保存の絞り込み(f);
    QString chosen = filters.front();
    const QString path = QFileDialog::getSaveFileName(親_, "名前を付けて保存", 開始フォルダ(folder),
                                                      filters.join(";;"), &chosen);
    if (path.isEmpty()) return std::nullopt;
    const qsizetype i = std::max<qsizetype>(filters.indexOf(chosen), 0);
    const 棋譜形式 f = 保存できる形式()[static_cast<std::size_t>(i)].形式;
    const std::string named = QFile::encodeName(path).toStdString();
    const std::string full = 拡張子を付ける(named, f);
    // The dialog asked about the name as typed; the name with its extension is asked here.
    if (full != named && QFile::exists(QFile::decodeName(QByteArray::fromStdString(full))) &&
        QMessageBox::question(親_, "名前を付けて保存",
                              QFile::decodeName(QByteArray::fromStdString(full)) +
                                  " は既にあります。\n上書きしますか?") != QMessageBox::Yes)
        return std::nullopt;
    return 保存先{full, f};
}

std::string Qtデスクトップ::クリップボード() {
    return QGuiApplication::clipboard()->text().toUtf8().toStdString();
}

void Qtデスクトップ::クリップボードに置く(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

}  // namespace yukora::window
