// The per-square influence maps rebuilt by the survey.
#pragma once
#include "game/pieces.h"

namespace yukora {

// The survey writes the two counts whole and resets the maps after them up to 守駒COM_X with
// one copy; the four square maps from there on keep their values from survey to survey.
struct 勢力地図 {
    盤型 勢力MAN{};  // how many bottom pieces reach the square
    盤型 勢力COM{};  // how many top pieces reach the square
    盤型 守駒MAN{};  // highest-ranking bottom defender (smallest code), 999 = none
    盤型 守駒COM{};  // lowest-ranking top defender (smallest code), 999 = none
    盤型 攻駒MAN{};  // lowest-ranking bottom attacker (largest code), -999 = none
    盤型 攻駒MAN_X{}, 攻駒MAN_Y{};
    盤型 攻駒COM{};                 // lowest-ranking top attacker, 999 = none
    盤型 MAN王手筋{};               // bottom checks on the top king: 9 checker, 1 between
    盤型 COM王手筋{};               // top checks on the bottom king
    盤型 守駒COM_X{}, 守駒COM_Y{};  // not reset by the survey
    盤型 攻駒COM_X{}, 攻駒COM_Y{};  // not reset by the survey
};

}  // namespace yukora
