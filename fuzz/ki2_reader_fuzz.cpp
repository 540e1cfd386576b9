// Any bytes as a KI2 file: the reader never crashes, and what it reads holds together.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/record_text.h"
#include "kifu_roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace yukora;
    const 棋譜テキスト t =
        棋譜テキストを読む(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::確かめる(KI2を読む(t.行));
    return 0;
}
