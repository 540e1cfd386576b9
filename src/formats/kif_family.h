// What KIF and KI2 files share: the header, comments ("*"), bookmarks ("&"), branches
// ("変化：N手"), the closing line ("まで…"); each format reads its own move lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "formats/kif_header.h"
#include "formats/record_model.h"
#include "formats/record_tree.h"

namespace yukora {

class KIF系の読み {
public:
    explicit KIF系の読み(const std::vector<std::string>& lines) : 木_(res_.記録), lines_(lines) {}
    virtual ~KIF系の読み() = default;
    KIF系の読み(const KIF系の読み&) = delete;
    KIF系の読み& operator=(const KIF系の読み&) = delete;

    // Reads every line; stops at the first that cannot be read.
    読込結果 読む();

protected:
    // Whether the line (its leading blanks removed) holds moves of this format.
    virtual bool 指し手の行か(std::u32string_view t) const = 0;
    // Reads the moves of the line; calls 誤り on the first that cannot be read.
    virtual void 指し手行(std::u32string_view t) = 0;
    // The name of the format, for the message of a file without a record.
    virtual const char* 形式名() const = 0;

    void 誤り(int 手数, std::string 理由);
    void 注意(std::string 理由) { res_.注意.push_back({行_, std::move(理由)}); }
    // Settles the start at the first move (or a branch); false when it cannot be.
    bool 指し手部に入る(int 最初の手数);

    読込結果 res_;
    int 行_ = 0;
    bool 止まった_ = false;
    bool 指し手部_ = false;
    変化の組み立て 木_;

private:
    void 一行(std::u32string_view line);
    void 変化行(std::u32string_view t);
    void まで行(std::u32string_view t);

    const std::vector<std::string>& lines_;
    KIF見出し 見出し_;
};

}  // namespace yukora
