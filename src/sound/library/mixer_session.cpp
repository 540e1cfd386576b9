#include "mixer_session.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

namespace yukora::ds {

namespace {

constexpr int 出力周波数 = 44100;
constexpr int 出力チャンネル数 = 2;
constexpr int 出力バッファ標本数 = 1024;

// A RIFF container holding WAVE data: other formats the mixer could decode are refused.
bool WAV画像か(const void* image, std::uint32_t size) {
    if (image == nullptr || size < 12) return false;
    const auto* bytes = static_cast<const unsigned char*>(image);
    return std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0;
}

}  // namespace

ミキサー& 共有ミキサー() {
    static ミキサー mixer;
    return mixer;
}

std::int32_t ミキサー::開く() {
    std::lock_guard lock(mutex_);
    if (library_ != 0) return library_;
    // SIGINT and SIGTERM belong to the program: SDL would turn them into quit events that
    // nobody reads, and the program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(出力周波数, AUDIO_S16SYS, 出力チャンネル数, 出力バッファ標本数) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(0);
    channels_in_use_.clear();
    library_ = ++次のライブラリ_;
    return library_;
}

std::int32_t ミキサー::閉じる(std::int32_t library) {
    std::lock_guard lock(mutex_);
    if (library == 0 || library != library_) return 0;
    全解放();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    library_ = 0;
    return 1;
}

std::int32_t ミキサー::バッファ作成(std::int32_t library, const void* image, std::uint32_t size) {
    std::lock_guard lock(mutex_);
    if (library == 0 || library != library_ || !WAV画像か(image, size)) return 0;
    if (size > static_cast<std::uint32_t>(INT32_MAX)) return 0;
    // The chunk holds its own converted copy, so the image may go after this call.
    SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(size));
    if (rw == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return 0;
    const std::int32_t handle = ++次のバッファ_;
    buffers_[handle] = {chunk, 空きチャンネル()};
    return handle;
}

std::int32_t ミキサー::解放(std::int32_t buffer) {
    std::lock_guard lock(mutex_);
    バッファ* b = 探す(buffer);
    if (b == nullptr) return 0;
    Mix_HaltChannel(b->channel);
    Mix_FreeChunk(b->chunk);
    channels_in_use_[b->channel] = false;
    buffers_.erase(buffer);
    return 1;
}

std::int32_t ミキサー::再生(std::int32_t buffer, bool looping) {
    std::lock_guard lock(mutex_);
    バッファ* b = 探す(buffer);
    if (b == nullptr) return 0;
    // Playing a channel again restarts it from the first sample.
    return Mix_PlayChannel(b->channel, b->chunk, looping ? -1 : 0) >= 0 ? 1 : 0;
}

std::int32_t ミキサー::停止(std::int32_t buffer) {
    std::lock_guard lock(mutex_);
    バッファ* b = 探す(buffer);
    if (b == nullptr) return 0;
    Mix_HaltChannel(b->channel);
    return 1;
}

ミキサー::バッファ* ミキサー::探す(std::int32_t buffer) {
    if (buffer == 0 || library_ == 0) return nullptr;
    auto it = buffers_.find(buffer);
    return it == buffers_.end() ? nullptr : &it->second;
}

int ミキサー::空きチャンネル() {
    for (auto& [channel, used] : channels_in_use_) {
        if (!used) {
            used = true;
            return channel;
        }
    }
    const int channel = static_cast<int>(channels_in_use_.size());
    Mix_AllocateChannels(channel + 1);
    channels_in_use_[channel] = true;
    return channel;
}

void ミキサー::全解放() {
    Mix_HaltChannel(-1);
    for (auto& [handle, b] : buffers_) Mix_FreeChunk(b.chunk);
    buffers_.clear();
    channels_in_use_.clear();
}

}  // namespace yukora::ds
