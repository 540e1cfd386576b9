#include "sound/sound_play.h"

namespace yukora {

std::int32_t 取得_音バッファ(const サウンド状態& s, 音 which) {
    switch (which) {
        case 音::その他:
            return s.音_その他;
        case 音::禁止:
            return s.音_禁止;
        case 音::駒打:
            return s.音_駒打;
        case 音::BGM:
            return s.音_BGM;
    }
    return 0;
}

// Buffer 0 goes to the library as it is: the library ignores it.
void 音再生(const サウンド状態& s, サウンドライブラリ& lib, 音 which) {
    lib.dsPlay(取得_音バッファ(s, which));
}

void BGM開始(const サウンド状態& s, サウンドライブラリ& lib) {
    lib.dsPlayLooping(s.音_BGM);
}

void BGM停止(const サウンド状態& s, サウンドライブラリ& lib) {
    lib.dsStop(s.音_BGM);
}

}  // namespace yukora
