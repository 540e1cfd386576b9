// Stands for a damaged or foreign library: one function of the set, the rest missing.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::int32_t dsInitialize(std::intptr_t) {
    return 7;
}
