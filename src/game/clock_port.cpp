#include "game/clock_port.h"

namespace yukora {

float 調査_経過秒(float start, float now) {
    return start <= now ? now - start : now + (86400.0f - start);
}

}  // namespace yukora
