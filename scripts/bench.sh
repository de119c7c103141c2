#!/usr/bin/env bash
# Builds and runs the benchmarks of bench/ (not part of the default build). Arguments go to the
# precision benchmark, e.g. --benchmark_filter=Window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null

# --- Assembly sheet ---
cmake --build --preset default --target sheet_bench
build/bench/sheet_bench
# --- end of assembly sheet ---

# --- Precision window: one update and its computation, against one real-timing run ---
cmake --build --preset default --target precision_bench
build/bench/precision_bench --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
# --- end of the precision window section ---
