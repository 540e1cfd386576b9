#!/usr/bin/env bash
# The long soak: seeded games of a random human against the computer at each level, through
# the game's own events, every invariant checked after every move. Needs a build (./test.sh).
# Usage: scripts/soak.sh [games per level, default 1000]
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-1000}
[[ -x build/core_tests ]] || { echo "soak.sh: build first (./test.sh)" >&2; exit 1; }
YUKORA_SOAK_GAMES=$games build/core_tests --gtest_filter='*耐久*' | grep -E '^level|PASSED|FAILED'
