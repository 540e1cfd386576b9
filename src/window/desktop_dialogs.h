// The desktop's file dialogs for records and the clipboard, on Qt.
#pragma once
#include <QWidget>
#include <filesystem>

#include "flow/desktop_port.h"

namespace yukora::window {

class Qtデスクトップ final : public デスクトップ {
public:
    // The dialogs are modal over `parent` and start in `棋譜フォルダ` unless told otherwise.
    Qtデスクトップ(QWidget* parent, std::filesystem::path 棋譜フォルダ)
        : 親_(parent), 棋譜フォルダ_(std::move(棋譜フォルダ)) {}

    // Filters: every record, then one per format, then every file.
    std::optional<std::string> 開くファイルを選ぶ(const std::string& folder) override;
    // One filter per format a record is saved in; the chosen one gives the format, and its
    // extension is added to a name without it.
    std::optional<保存先> 保存するファイルを選ぶ(const std::string& folder) override;
    std::string クリップボード() override;
    void クリップボードに置く(const std::string& text) override;

private:
    QString 開始フォルダ(const std::string& folder) const;

    QWidget* 親_;
    std::filesystem::path 棋譜フォルダ_;
};

}  // namespace yukora::window
