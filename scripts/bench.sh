#!/usr/bin/env bash
# Builds and runs the benchmarks of bench/ (not part of the default build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null

# --- Assembly sheet ---
cmake --build --preset default --target sheet_bench
build/bench/sheet_bench
# --- end of assembly sheet ---
