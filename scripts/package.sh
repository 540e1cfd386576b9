#!/usr/bin/env bash
# Builds the Debian package of the game and prints its path.
#   scripts/package.sh              a release build of its own in build-package/
#   scripts/package.sh BUILD_DIR    from an existing build folder (as ./test.sh does)
# Only what the package holds is built; the tests are not.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-package}
if [[ $# -eq 0 ]]; then
    scripts/install-deps.sh
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
elif [[ ! -f "$build/CMakeCache.txt" ]]; then
    echo "package.sh: $build is not a configured build folder" >&2
    exit 1
fi
build=$(realpath "$build")
cmake --build "$build" --target yukora_installables >/dev/null
rm -rf "$build/package"
if ! (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1); then
    cat "$build/cpack.log" >&2
    exit 1
fi
ls "$build"/package/*.deb
