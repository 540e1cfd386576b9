#include "flow/journal_ports.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

namespace yukora::test::進行試験 {

日誌台::日誌台() {
    char pattern[] = "/tmp/yukora-journal-XXXXXX";
    フォルダ = mkdtemp(pattern);
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
        std::ofstream(フォルダ / name) << "RIFF";
    game = std::make_unique<ゲーム>(
        ゲームの窓口{screen, clock, timer, dialog, menu, panel, 音, browser, version, nullptr, 0});
    game->Form_Load(フォルダ);
    game->サウンド準備();  // as the window does after its first paint
    記録.clear();
}

日誌台::~日誌台() {
    game.reset();
    std::error_code ec;
    std::filesystem::remove_all(フォルダ, ec);
}

日誌 日誌台::描くもの(const std::function<void(表示&)>& f) {
    日誌 out;
    日誌画面 s(out);
    日誌時計 c(out);
    表示 d(s, c, st().盤面, st().進行);
    d.状態.背景画番号 = game->表示部().状態.背景画番号;
    f(d);
    return out;
}

日誌 日誌台::選ぶ(const std::string& prefix) const {
    日誌 out;
    for (const auto& line : 記録)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

long 日誌台::位置(const 日誌& part) const {
    const auto at = std::search(記録.begin(), 記録.end(), part.begin(), part.end());
    return at == 記録.end() ? -1 : at - 記録.begin();
}

}  // namespace yukora::test::進行試験
