#include "flow/flow_fakes.h"

#include <unistd.h>

namespace yukora::test::進行試験 {

namespace {
const char* const 音名[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
}

試験台::試験台() {
    char pattern[] = "/tmp/yukora-flow-XXXXXX";
    フォルダ = mkdtemp(pattern);
    for (const char* name : 音名) std::ofstream(フォルダ / name) << "RIFF";
    timer.on = false;
    刻み.on = false;
    game = std::make_unique<ゲーム>(ゲームの窓口{screen, clock, timer, dialog, menu, panel, 音,
                                                 browser, version, [this] { 終了した = true; }, 0,
                                                 nullptr, &desktop, &エンジン, &棋譜リスト});
    game->Form_Load(フォルダ);
    game->サウンド準備();  // as the window does after its first paint
}

試験台::~試験台() {
    game.reset();
    std::error_code ec;
    std::filesystem::remove_all(フォルダ, ec);
}

void 試験台::押す(int x, int y, int button) {
    game->Form_MouseDown(button, 0, 1050.0f + 570.0f * x + 285.0f, 100.0f + 660.0f * y + 330.0f);
}

void 試験台::窓で押す(int x, int y, int button) {
    game->マウス押下(button, 1050 + 570 * x + 285, 100 + 660 * y + 330);
}

std::vector<std::string> 記録する棋譜リスト::見える行() const {
    std::vector<std::string> out;
    for (size_t i = 0; i < 行.行.size(); ++i)
        out.push_back((static_cast<int>(i) == 行.表示中 ? ">" : "") + 行.行[i].指し手 +
                      (行.行[i].変化 ? " +" : ""));
    return out;
}

std::vector<std::string> 試験台::鳴った音() const {
    std::vector<std::string> out;
    for (const auto& c : 音.呼出記録)
        if (c.関数 == "dsPlay" && c.handle >= 101 && c.handle <= 104)
            out.push_back(音名[c.handle - 101]);
    return out;
}

}  // namespace yukora::test::進行試験
