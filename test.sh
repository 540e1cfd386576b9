#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2
cd ..

# The readers of record and settings files under clang's libFuzzer: a short fixed run each.
fuzz/run.sh 20000
# The USI engine's SFEN and move parser, likewise.
usi/fuzz/run.sh 20000
