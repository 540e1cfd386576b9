#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each from its seed corpus.
#   fuzz/run.sh                 20000 runs each (what ./test.sh does)
#   fuzz/run.sh 5000000         a longer run
#   fuzz/run.sh -1 -max_total_time=1800 -seed=0 -jobs=2
#                               until stopped or 30 minutes, random seed, two processes
# New inputs that reach new code go to $FUZZ_BUILD_DIR/corpus/<target>; a crash leaves its
# input in $FUZZ_BUILD_DIR as crash-<hash>, to be replayed with build-fuzz/fuzz_<target> FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20000}
shift || true
build=${FUZZ_BUILD_DIR:-build-fuzz}

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -- -j2 >/dev/null

for t in record_reader settings_reader kif_reader csa_reader ki2_reader; do
    work="$build/corpus/$t"
    rm -rf "$work"
    mkdir -p "$work"
    echo "fuzz_$t: $runs runs"
    "$build/fuzz_$t" -runs="$runs" -seed=1 -max_len=8192 -artifact_prefix="$build/" \
        -print_final_stats=0 "$@" "$work" "fuzz/corpus/$t" 2>"$build/fuzz_$t.log" ||
        { tail -n 40 "$build/fuzz_$t.log"; exit 1; }
    grep -E '^(Done|INFO: Done)' "$build/fuzz_$t.log" || tail -n 1 "$build/fuzz_$t.log"
done
