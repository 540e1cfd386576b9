#!/usr/bin/env bash
# Builds the fuzz target of the USI engine's line reader, SFEN and move parser with clang's
# libFuzzer and runs it from its seeds: inputs up to 2 MiB (past the 1 MiB line limit), and a
# run that needs more than 512 MB of memory fails.
#   usi/fuzz/run.sh                 20000 runs (what ./test.sh does)
#   usi/fuzz/run.sh 5000000         a longer run
#   usi/fuzz/run.sh -1 -max_total_time=1800 -seed=0
# New inputs go to $USI_FUZZ_BUILD_DIR/corpus; a crash leaves its input there as crash-<hash>,
# to be replayed with build-fuzz-usi/usi/usi_position_fuzz FILE.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-20000}
shift || true
build=${USI_FUZZ_BUILD_DIR:-build-fuzz-usi}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DYUKORA_CORE_ONLY=ON >/dev/null
cmake --build "$build" --target usi_position_fuzz -- -j2 >/dev/null

work="$build/corpus"
rm -rf "$work"
mkdir -p "$work"
echo "usi_position_fuzz: $runs runs"
"$build/usi/usi_position_fuzz" -runs="$runs" -seed=1 -max_len=2097152 -rss_limit_mb=512 -dict=usi/fuzz/usi.dict \
    -artifact_prefix="$build/" -print_final_stats=0 "$@" "$work" usi/fuzz/corpus \
    2>"$build/usi_position_fuzz.log" ||
    { tail -n 40 "$build/usi_position_fuzz.log"; exit 1; }
grep -E '^(Done|INFO: Done)' "$build/usi_position_fuzz.log" || tail -n 1 "$build/usi_position_fuzz.log"
