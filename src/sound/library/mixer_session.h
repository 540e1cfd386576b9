// The open audio device and the buffers made for it, on SDL2_mixer.
// Each buffer owns one mixer channel, so every sound plays over the others.
#pragma once
#include <cstdint>
#include <map>
#include <mutex>

struct Mix_Chunk;

namespace yukora::ds {

class ミキサー {
public:
    std::int32_t 開く();
    std::int32_t 閉じる(std::int32_t library);
    std::int32_t バッファ作成(std::int32_t library, const void* image, std::uint32_t size);
    std::int32_t 解放(std::int32_t buffer);
    std::int32_t 再生(std::int32_t buffer, bool looping);
    std::int32_t 停止(std::int32_t buffer);

private:
    struct バッファ {
        Mix_Chunk* chunk = nullptr;
        int channel = 0;
    };
    バッファ* 探す(std::int32_t buffer);
    int 空きチャンネル();
    void 全解放();

    std::mutex mutex_;
    std::int32_t library_ = 0;         // handle of the open device, 0 while closed
    std::int32_t 次のライブラリ_ = 0;  // handles are never reused within a run
    std::int32_t 次のバッファ_ = 0;
    std::map<std::int32_t, バッファ> buffers_;
    std::map<int, bool> channels_in_use_;
};

// The one device of the process.
ミキサー& 共有ミキサー();

}  // namespace yukora::ds
