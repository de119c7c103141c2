#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: normal build, then the sanitizer build,
# then every fuzz target for 10 s.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
for preset in default asan; do
    echo "=== $preset build ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
# Short, so that the harnesses keep building and running; scripts/fuzz.sh alone runs longer.
echo "=== fuzz targets ==="
scripts/fuzz.sh 10
