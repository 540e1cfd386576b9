#include "formats/kif_family.h"

#include "formats/end_words.h"
#include "textfile/utf8.h"

namespace yukora {
namespace {

bool 始まる(std::u32string_view s, std::u32string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

読込結果 KIF系の読み::読む() {
    for (size_t i = 0; i < lines_.size() && !止まった_; ++i) {
        行_ = static_cast<int>(i) + 1;
        一行(符号点へ(lines_[i]));
    }
    if (止まった_) return std::move(res_);
    if (!指し手部_ && 見出し_.局面あり()) 指し手部に入る(1);
    if (!res_.エラー && !指し手部_)
        res_.エラー = 読込エラー{0, 0, std::string("no ") + 形式名() + " record found"};
    return std::move(res_);
}

void KIF系の読み::誤り(int 手数, std::string 理由) {
    res_.エラー = 読込エラー{行_, 手数, std::move(理由), 指し手部_ && 木_.変化の中か()};
    止まった_ = true;
}

bool KIF系の読み::指し手部に入る(int 最初の手数) {
    if (指し手部_) return true;
    int 行 = 行_;
    if (std::string e = 見出し_.開始を決める(res_.記録.開始, 行); !e.empty()) {
        行_ = 行;
        誤り(0, e);
        return false;
    }
    指し手部_ = true;
    木_.始める(最初の手数);
    return true;
}

void KIF系の読み::一行(std::u32string_view line) {
    std::u32string_view t = line;
    空白を飛ばす(t);
    if (t.empty()) return;
    if (t.front() == U'#') {
        // The encoding line is written anew; other program comments stay in the header.
        if (!指し手部_ && !始まる(t, U"#KIF") && !始まる(t, U"#KI2"))
            res_.記録.見出し.push_back({"", UTF8へ(line)});
        return;
    }
    if (t.front() == U'*' || t.front() == U'&') {
        const std::string text = UTF8へ(t.substr(1));
        if (t.front() == U'*')
            (指し手部_ ? 木_.コメント先() : res_.記録.開始のコメント).push_back(text);
        else (指し手部_ ? 木_.栞先() : res_.記録.開始の栞) = text;
        return;
    }
    if (始まる(t, U"変化：") || 始まる(t, U"変化:")) return 変化行(t.substr(3));
    if (始まる(t, U"まで")) return まで行(t);
    if (指し手の行か(t)) {
        if (!指し手部に入る(1)) return;
        if (木_.終わった()) return 誤り(木_.次の手数(), "a move after the end of the line");
        return 指し手行(t);
    }
    if (!指し手部_) {
        if (std::string e = 見出し_.行を読む(line, 行_, res_.記録); !e.empty()) 誤り(0, e);
        return;
    }
    if (木_.終わった()) return 注意("a line after the end that is not read");
    誤り(木_.次の手数(), "a line that is neither a move nor a comment");
}

void KIF系の読み::変化行(std::u32string_view t) {
    空白を飛ばす(t);
    const int n = 数字を読む(t);
    if (n <= 0 || !始まる(t, U"手")) return 誤り(0, "a branch line without its move number");
    if (!指し手部_) return 注意("a branch before the moves is not read");
    if (std::string e = 木_.変化を始める(n); !e.empty()) return 誤り(n, e);
}

void KIF系の読み::まで行(std::u32string_view t) {
    if (!指し手部に入る(1) || 木_.終わった()) return;
    const 終局理由 how = まで行の終局(t, 木_.局面().手番);
    if (how != 終局理由::なし) 木_.終える(how, 0);
}

}  // namespace yukora
