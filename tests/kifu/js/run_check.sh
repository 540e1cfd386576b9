#!/bin/sh
# Writes the sample games and the real game through the program, then compares them with
# tsshogi; then checks that converting keeps what a record holds, by tsshogi and
# json-kifu-format.   run_check.sh KIFU_SAMPLES YUKORA_KIFU GAMES_DIR OUT_DIR
set -eu
samples=$1 kifu=$2 games=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/node_modules/tsshogi" ]; then
    echo "tsshogi is not installed: run 'npm ci' in $here (./test.sh does)" >&2
    exit 1
fi
rm -rf "$out"
mkdir -p "$out"
"$samples" "$out"
for ext in kif kifu ki2 ki2u csa; do
    "$kifu" convert "$games/real-game-1.csa" "$out/real-game-1.$ext"
done
for game in "$out"/*.kifu; do
    for ext in ki2 ki2u; do "$kifu" convert "$game" "${game%.kifu}-as.$ext"; done
done
node "$here/check.mjs" "$kifu" "$out"
node "$here/keep.mjs" "$kifu" "$out"
