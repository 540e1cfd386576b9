// The menu bar's items as the game knows them, and their check marks.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace yukora {

// Every item of the menu bar, by its control name.
enum class メニュー操作 {
    TAIKYOKU,
    MATCH_MAN,
    START,
    START2,
    SENTE,
    GOTE,
    LEVEL,
    LEVEL1,
    LEVEL2,
    LEVEL3,
    OWARI,
    STOP,
    CANCEL,
    REVERSE,
    REPLAY,
    AFTER,
    LBEL_UP,
    LEBEL_DOWN,
    KIFU,
    KIFU_READ,
    KIFU_WRITE,
    KIF_WRITE,
    KIFU_OPEN,
    KIFU_SAVE_AS,
    RECENT,
    COPY,
    COPY_KIF,
    COPY_CSA,
    COPY_KI2,
    COPY_SFEN,
    COPY_USI,
    PASTE,
    LAST_GAME,
    OPTION,
    HAIKEI_GA,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM,
    SEIRYOKU,
    SONOTA,
    KAISETU,
    VER,
    HINT,
    BAIRITU,
    BAIRITU100,
    BAIRITU125,
    BAIRITU150,
    BAIRITU200,
    BAIRITU250,
    BAIRITU300,
    AWASERU,
    ENGINE,        // 対局(ｴﾝｼﾞﾝ)
    ENGINE_SENTE,  // the person plays 先手 against the engine
    ENGINE_GOTE,
    ENGINE_BOTH,   // engine against engine
    ENGINE_STOP,   // 中断
    TOURYOU,       // 投了
    ENGINE_SETUP,  // ｴﾝｼﾞﾝ設定…
    KIFULIST,
    KEISEI,
    KENTOU,     // 検討: an engine analyses the position shown
    KENTOU_PV,  // 検討の候補数
    KENTOU_PV1,
    KENTOU_PV2,
    KENTOU_PV3,
    KAISEKI,  // 棋譜解析: the engine scores every position at 1, 3 or 10 seconds each
    KAISEKI1,
    KAISEKI3,
    KAISEKI10,
    KAISEKI_STOP,
};

inline constexpr std::array<std::string_view, 75> 操作の名前{
    "TAIKYOKU",    "MATCH_MAN",  "START",        "START2",       "SENTE",       "GOTE",
    "LEVEL",       "LEVEL1",     "LEVEL2",       "LEVEL3",       "OWARI",       "STOP",
    "CANCEL",      "REVERSE",    "REPLAY",       "AFTER",        "LBEL_UP",     "LEBEL_DOWN",
    "KIFU",        "KIFU_READ",  "KIFU_WRITE",   "KIF_WRITE",    "KIFU_OPEN",   "KIFU_SAVE_AS",
    "RECENT",      "COPY",       "COPY_KIF",     "COPY_CSA",     "COPY_KI2",    "COPY_SFEN",
    "COPY_USI",    "PASTE",      "LAST_GAME",    "OPTION",       "HAIKEI_GA",   "MIDORI",
    "TATAMI",      "TAKE",       "UCHU",         "RENGA",        "SIDOU",       "KEIKA",
    "BGM",         "SEIRYOKU",   "SONOTA",       "KAISETU",      "VER",         "HINT",
    "BAIRITU",     "BAIRITU100", "BAIRITU125",   "BAIRITU150",   "BAIRITU200",  "BAIRITU250",
    "BAIRITU300",  "AWASERU",    "ENGINE",       "ENGINE_SENTE", "ENGINE_GOTE", "ENGINE_BOTH",
    "ENGINE_STOP", "TOURYOU",    "ENGINE_SETUP", "KIFULIST",     "KEISEI",      "KENTOU",
    "KENTOU_PV",   "KENTOU_PV1", "KENTOU_PV2",   "KENTOU_PV3",   "KAISEKI",     "KAISEKI1",
    "KAISEKI3",    "KAISEKI10",  "KAISEKI_STOP"};

// The control name of an item ("LEVEL3").
constexpr std::string_view 操作名(メニュー操作 c) { return 操作の名前[static_cast<int>(c)]; }

// The item of strength level n (1..3).
constexpr メニュー操作 レベル項目(int n) {
    return static_cast<メニュー操作>(static_cast<int>(メニュー操作::LEVEL1) + n - 1);
}

// The zoom items of the "表示倍率" menu with the zoom each stands for (0: fit the window).
struct 倍率の項目 {
    メニュー操作 item;
    int 倍率;
};
inline constexpr std::array<倍率の項目, 7> 倍率項目一覧{{{メニュー操作::BAIRITU100, 100},
                                                         {メニュー操作::BAIRITU125, 125},
                                                         {メニュー操作::BAIRITU150, 150},
                                                         {メニュー操作::BAIRITU200, 200},
                                                         {メニュー操作::BAIRITU250, 250},
                                                         {メニュー操作::BAIRITU300, 300},
                                                         {メニュー操作::AWASERU, 0}}};

class メニュー {
public:
    virtual ~メニュー() = default;
    virtual void 印設定(メニュー操作 item, bool checked) = 0;
    virtual bool 印あり(メニュー操作 item) const = 0;
    // The records of "最近のﾌｧｲﾙ", newest first.
    virtual void 最近のファイル設定(const std::vector<std::string>& paths) {
        static_cast<void>(paths);
    }
};

}  // namespace yukora
