#!/usr/bin/env bash
# Installs what is missing, builds the game (not its tests: ./test.sh builds those), and starts
# it from its run folder.
set -euo pipefail
cd "$(dirname "$0")"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)," \
         "so the game window cannot be shown. Start it from a desktop session," \
         "or under a virtual display: xvfb-run ./run.sh" >&2
    exit 1
fi

scripts/install-deps.sh

cmake -S . -B build -G Ninja
cmake --build build --target game

# The settings file, the sounds and the help page live beside the program.
cd build/run
exec ./yukora-shogi
