// The exported C functions: thin calls into the one mixer of the process.
#include "ds_api.h"
#include "mixer_session.h"

using yukora::ds::共有ミキサー;

extern "C" {

int32_t dsInitialize(intptr_t) { return 共有ミキサー().開く(); }

int32_t dsTerminate(int32_t library) { return 共有ミキサー().閉じる(library); }

int32_t dsCreateDSB(int32_t library, const void* image, uint32_t size, int32_t) {
    return 共有ミキサー().バッファ作成(library, image, size);
}

int32_t dsFree(int32_t buffer) { return 共有ミキサー().解放(buffer); }

int32_t dsPlay(int32_t buffer) { return 共有ミキサー().再生(buffer, false); }

int32_t dsPlayLooping(int32_t buffer) { return 共有ミキサー().再生(buffer, true); }

int32_t dsStop(int32_t buffer) { return 共有ミキサー().停止(buffer); }

int32_t dsCreateResDSB(int32_t, const char*, int32_t) { return 0; }
int32_t dsPlayPan(int32_t, int32_t) { return 0; }
int32_t dsPlayEx(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t dsPlayLoopingEx(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t dsSetVolume(int32_t, int32_t) { return 0; }
int32_t dsSetPan(int32_t, int32_t) { return 0; }
int32_t dsSetFrequency(int32_t, int32_t) { return 0; }

}  // extern "C"
