// Reading a text file line by line with a cap on what is kept of each line.
#pragma once
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace yukora {

// Longest line kept, in bytes; the rest of a longer line is skipped.
inline constexpr std::size_t 行の上限 = 4096;

// Lines ended by LF, a CR before it removed; the bytes are returned as they are.
class 行入力 {
public:
    virtual ~行入力() = default;
    // True when a line was read; false at the end of the input or after a read error.
    bool 次の行(std::string& line);
    // True once reading failed (as opposed to reaching the end).
    bool 失敗() const { return 失敗_; }
    // True when the last line read was longer than the cap and was cut.
    bool 切り詰めた() const { return 切り詰め_; }
    // Reads no more than `bytes` of the input, before any line is read: what lies beyond is
    // never read, and a line cut off by the limit is not returned.
    void 入力の上限(std::size_t bytes) { 上限残り_ = bytes; }
    // True when the input held more than the limit.
    bool 上限を超えた() const { return 超過_; }

protected:
    // Fills buf with up to n bytes; 0 at the end, -1 on an error.
    virtual long 読む(char* buf, std::size_t n) = 0;

private:
    bool 補充();
    char buf_[8192];
    std::size_t pos_ = 0, len_ = 0;
    std::size_t 上限残り_ = std::numeric_limits<std::size_t>::max() - 1;
    bool 終端_ = false;
    bool 失敗_ = false;
    bool 切り詰め_ = false;
    bool 超過_ = false;
};

// Lines of bytes held in memory.
class 文字列行入力 final : public 行入力 {
public:
    // Keeps its own copy, so a temporary string may be passed.
    explicit 文字列行入力(std::string_view bytes) : 保持_(bytes), 残り_(保持_) {}
    文字列行入力(const 文字列行入力&) = delete;
    文字列行入力& operator=(const 文字列行入力&) = delete;

protected:
    long 読む(char* buf, std::size_t n) override;

private:
    std::string 保持_;
    std::string_view 残り_;
};

// Why a file could not be opened for reading.
enum class 開く結果 {
    開いた,
    ない,            // no such file (or folder on the way)
    読めない,        // the permissions forbid reading
    ファイルでない,  // a folder, a pipe, a device or a socket
    エラー,          // any other failure of the system
};

// Why open(2) failed, from its errno.
開く結果 開けない理由(int err);

// Lines of a regular file. Anything else is never opened (a pipe could block, a device
// could act on being opened); it gives no lines and counts as failed.
class ファイル行入力 final : public 行入力 {
public:
    explicit ファイル行入力(const std::string& path);
    ~ファイル行入力() override;
    ファイル行入力(const ファイル行入力&) = delete;
    ファイル行入力& operator=(const ファイル行入力&) = delete;
    bool 開いた() const { return fd_ >= 0; }
    開く結果 結果() const { return 結果_; }

protected:
    long 読む(char* buf, std::size_t n) override;

private:
    int fd_ = -1;
    開く結果 結果_ = 開く結果::開いた;
};

}  // namespace yukora
