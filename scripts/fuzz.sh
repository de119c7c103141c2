#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (in build-fuzz/) and runs each for a fixed
# time, one after the other, starting from the seed corpus kept in fuzz/corpus/.
#   scripts/fuzz.sh [SECONDS [TARGET...]]     default: 60 s for every target
# What a run finds is kept in build-fuzz/corpus/TARGET; a failing input in build-fuzz/artifacts/TARGET.
# Exits non-zero when a target breaks one of its properties or crashes.
# CHRONALYS_FUZZ_BUILD=DIR runs the targets a sanitizer build already made in DIR (scripts/test.sh:
# build-asan), whose libraries carry no coverage instrumentation: enough to keep the harnesses
# running, while a campaign wants build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(numbertext_fuzz chain_fuzz settings_read_fuzz settings_write_fuzz alarm_fuzz help_fuzz \
    precision_fuzz calibration_fuzz nomenclature_fuzz batch_fuzz conception_fuzz)

build=${CHRONALYS_FUZZ_BUILD:-}
if [ -z "$build" ]; then
    build=build-fuzz
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCHRONALYS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz -j2 | { grep -vE '^\[ *[0-9]+%\]|(Entering|Leaving) directory' || true; }
fi
for target in "${targets[@]}"; do
    [ -x "$build/fuzz/$target" ] || { echo "no fuzz target $target in $build" >&2; exit 2; }
done

# The settings and alarm targets save a file per input: on tmpfs the flush of each save is free.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

# A campaign (10 minutes or more per target) goes on after a finding, so every target gets its
# whole time: libFuzzer's fork mode keeps each failing input and carries on.
long_run=()
[ "$seconds" -ge 600 ] && long_run=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)

failed=()
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    log=$build/$target.log
    mkdir -p "$corpus" "$artifacts"
    echo "=== $target: $seconds s"
    if "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
            -rss_limit_mb=2048 -max_len=8192 -artifact_prefix="$artifacts/" \
            "${long_run[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 && [ -z "$(ls -A "$artifacts")" ]; then
        # The final figures; in fork mode, its last status line.
        grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
        grep -E '^#[0-9]+: cov:' "$log" | tail -n 1 || true
    else
        failed+=("$target")
        grep -E -A30 'property broken|ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error' "$log" | head -60
        ls "$artifacts"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets with a finding: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "fuzz targets: all ${#targets[@]} ran their time without a finding"
