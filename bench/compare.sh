#!/usr/bin/env bash
# Compares two builds of core_bench on a shared machine: the survey benchmarks and the search
# over the position set, the two builds taking turns so that both see the same load.
#   bench/compare.sh OLD_BUILD_DIR NEW_BUILD_DIR [rounds]
# Each round runs every benchmark 5 times per build; the figures are medians of CPU time.
set -euo pipefail
old=$1/core_bench new=$2/core_bench rounds=${3:-2}
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)

for r in $(seq "$rounds"); do
    for side in old new; do
        bin=${!side}
        "$bin" --benchmark_filter='勢力調査' --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true --benchmark_format=json \
            > "$out/survey-$side-$r.json" 2>/dev/null
        "$bin" --benchmark_filter='^探索/' --benchmark_min_time=0.05 --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true --benchmark_format=json \
            > "$out/search-$side-$r.json" 2>/dev/null
    done
done

python3 - "$out" "$rounds" <<'EOF'
import json, statistics, sys
out, rounds = sys.argv[1], int(sys.argv[2])
def medians(path):
    with open(path, encoding="utf-8") as f:
        return {b["run_name"]: b["cpu_time"] for b in json.load(f)["benchmarks"]
                if b.get("aggregate_name") == "median"}
for r in range(1, rounds + 1):
    old, new = medians(f"{out}/survey-old-{r}.json"), medians(f"{out}/survey-new-{r}.json")
    for name in old:
        print(f"round {r} {name}: {old[name]:.0f} ns -> {new[name]:.0f} ns, x{old[name] / new[name]:.2f}")
    old, new = medians(f"{out}/search-old-{r}.json"), medians(f"{out}/search-new-{r}.json")
    o, n = statistics.median(old.values()), statistics.median(new.values())
    print(f"round {r} search, median over {len(old)} positions: {o / 1000:.4f} ms -> {n / 1000:.4f} ms, x{o / n:.2f}")
EOF
rm -rf "$out"
