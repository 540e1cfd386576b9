#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

# Every folder includes only the folders below it; every C++ file is in the one format.
scripts/check-layers.sh
scripts/check-format.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
# tsshogi, the independent reader the KIF and CSA files are checked against, as locked.
(cd tests/kifu/js && npm ci --no-audit --no-fund --loglevel=error)
cd build
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2
cd ..

# The game installed: the run folder, cmake --install into a scratch prefix, the Debian package
# installed, started from PATH and removed again.
scripts/check-install.sh build

# The readers of record and settings files under clang's libFuzzer: a short fixed run each.
fuzz/run.sh 20000
# The USI engine's SFEN and move parser, likewise.
usi/fuzz/run.sh 20000

# The core, its tests and the engine again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run. The soak test runs here too.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYUKORA_CORE_ONLY=ON -DYUKORA_SANITIZE=ON
cmake --build build-asan
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --output-on-failure -j2)
