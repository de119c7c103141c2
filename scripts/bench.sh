#!/usr/bin/env bash
# Builds and runs the benchmarks (targets left out of the default build). Arguments go to every
# benchmark binary, e.g. --benchmark_filter=Window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null

# --- Precision window: one update and its computation, against one real-timing run ---
cmake --build --preset default --target precision_bench
build/bench/precision_bench --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
# --- end of the precision window section ---
