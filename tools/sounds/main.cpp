// Writes the game's four sounds into the folder given as the only argument.
#include <cstdio>
#include <filesystem>

#include "sounds.h"
#include "wav_image.h"

int main(int argc, char** argv) {
    using namespace yukora::音作成;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const struct {
        const char* name;
        標本列 (*make)();
    } sounds[] = {{"その他.wav", 合成_チャイム},
                  {"禁止.wav", 合成_ブザー},
                  {"駒打音.wav", 合成_駒音},
                  {"BGM.wav", 合成_BGM}};
    for (const auto& s : sounds) {
        if (!書込_WAV(folder / s.name, s.make())) {
            std::fprintf(stderr, "cannot write %s\n", (folder / s.name).c_str());
            return 1;
        }
    }
    return 0;
}
