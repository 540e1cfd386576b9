// The sound library as the program sees it: the ds… functions, 32-bit handles, 0 = none.
// Every call with a handle of 0 does nothing.
#pragma once
#include <cstddef>
#include <cstdint>

namespace yukora {

class サウンドライブラリ {
public:
    virtual ~サウンドライブラリ() = default;
    // Opens the audio device for the window; the library handle, 0 on failure.
    virtual std::int32_t dsInitialize(std::intptr_t window) = 0;
    virtual std::int32_t dsTerminate(std::int32_t library) = 0;
    // A buffer made from a whole ".wav" image of `size` bytes; the caller may release the
    // image afterwards. 0 when the image cannot be decoded.
    virtual std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* image,
                                     std::size_t size, std::int32_t flags) = 0;
    virtual std::int32_t dsFree(std::int32_t buffer) = 0;
    // Starts the sound once and returns at once.
    virtual std::int32_t dsPlay(std::int32_t buffer) = 0;
    // Starts it repeating until dsStop.
    virtual std::int32_t dsPlayLooping(std::int32_t buffer) = 0;
    virtual std::int32_t dsStop(std::int32_t buffer) = 0;
};

}  // namespace yukora
