#!/usr/bin/env python3
"""Median of the search over the position set, from core_bench's JSON output.

  core_bench --benchmark_filter='^探索/' --benchmark_repetitions=5 \
             --benchmark_format=json > out.json
  bench/median.py out.json [more.json ...]

Each position counts with the median of its repetitions (or its one run); the report is the
median, the 90th percentile and the mean over the positions, in milliseconds of CPU time.
"""
import json
import statistics
import sys

UNIT = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def per_position(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs, medians = {}, {}
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        if not name.startswith("探索/"):
            continue
        ms = b["cpu_time"] * UNIT[b["time_unit"]]
        if b.get("aggregate_name") == "median":
            medians[name] = ms
        elif b.get("run_type", "iteration") == "iteration":
            runs.setdefault(name, []).append(ms)
    return {n: medians.get(n, statistics.median(v)) for n, v in runs.items()}


def main():
    for path in sys.argv[1:]:
        times = sorted(per_position(path).values())
        if not times:
            print(f"{path}: no search benchmarks")
            continue
        p90 = times[min(len(times) - 1, int(round(0.9 * (len(times) - 1))))]
        print(f"{path}: {len(times)} positions, median {statistics.median(times):.4f} ms, "
              f"p90 {p90:.4f} ms, mean {statistics.mean(times):.4f} ms")


if __name__ == "__main__":
    main()
