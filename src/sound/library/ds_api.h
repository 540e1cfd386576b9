/* The C functions of the sound library "Yukora将棋1". Handles are 32-bit integers; 0 means
   none, and every function given a handle of 0 does nothing and returns 0. */
#pragma once
#include <stdint.h>

#if defined(YUKORA_DS_BUILD)
#define DS_API __attribute__((visibility("default")))
#else
#define DS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio device; the library handle, 0 when no device can be opened. */
DS_API int32_t dsInitialize(intptr_t window);
/* Frees every buffer and closes the device. */
DS_API int32_t dsTerminate(int32_t library);
/* A buffer decoded from a whole ".wav" image of `size` bytes, which the caller may release
   after the call; 0 for an image that is not a readable WAV. The flags are accepted and
   ignored: every buffer can be played once or looping. */
DS_API int32_t dsCreateDSB(int32_t library, const void* image, uint32_t size, int32_t flags);
DS_API int32_t dsFree(int32_t buffer);
/* Starts the buffer from its beginning, once; returns at once. */
DS_API int32_t dsPlay(int32_t buffer);
/* Starts the buffer from its beginning, repeating without a gap until dsStop. */
DS_API int32_t dsPlayLooping(int32_t buffer);
DS_API int32_t dsStop(int32_t buffer);

/* Kept for programs that declare them; they do nothing and return 0. */
DS_API int32_t dsCreateResDSB(int32_t library, const char* resource, int32_t flags);
DS_API int32_t dsPlayPan(int32_t buffer, int32_t pan);
DS_API int32_t dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
DS_API int32_t dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
DS_API int32_t dsSetVolume(int32_t buffer, int32_t volume);
DS_API int32_t dsSetPan(int32_t buffer, int32_t pan);
DS_API int32_t dsSetFrequency(int32_t buffer, int32_t frequency);

#ifdef __cplusplus
}
#endif
