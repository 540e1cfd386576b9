// The one game state of the program, gathered from its subsystems.
#pragma once
#include "computer/com_state.h"
#include "game/move_list.h"
#include "game/position.h"
#include "game/state.h"
#include "influence/influence_maps.h"
#include "settings/settings_state.h"
#include "sound/sound_setup.h"

namespace yukora {

struct ゲーム状態 {
    局面 盤面;
    進行状態 進行;
    手順リスト 手順;
    勢力地図 勢力;
    COM思考状態 思考;
    設定状態 設定;
    サウンド状態 音;
};

}  // namespace yukora
