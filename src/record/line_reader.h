// Reading a text file line by line with a cap on what is kept of each line.
#pragma once
#include <cstddef>
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

protected:
    // Fills buf with up to n bytes; 0 at the end, -1 on an error.
    virtual long 読む(char* buf, std::size_t n) = 0;

private:
    bool 補充();
    char buf_[8192];
    std::size_t pos_ = 0, len_ = 0;
    bool 終端_ = false;
    bool 失敗_ = false;
    bool 切り詰め_ = false;
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

// Lines of a regular file. A missing file, a folder, a device or a pipe gives no lines
// and counts as failed.
class ファイル行入力 final : public 行入力 {
public:
    explicit ファイル行入力(const std::string& path);
    ~ファイル行入力() override;
    ファイル行入力(const ファイル行入力&) = delete;
    ファイル行入力& operator=(const ファイル行入力&) = delete;
    bool 開いた() const { return fd_ >= 0; }

protected:
    long 読む(char* buf, std::size_t n) override;

private:
    int fd_ = -1;
};

}  // namespace yukora
