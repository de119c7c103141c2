#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then the sanitizer
# build (clang), which also makes the fuzz targets, each then run for 10 s. Ends with the time
# each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

times=()
tools=""
finish() {
    local status=$?
    # apt-get is never cut short: a half-installed package would outlive this script.
    [ -n "$tools" ] && wait "$tools" 2>/dev/null || true
    echo "=== time per step"
    printf '%s\n' "${times[@]}"
    printf '%-40s %5d s\n' "total" "$SECONDS"
    exit "$status"
}
trap finish EXIT

# step NAME COMMAND...: runs and times one step.
step() {
    local name=$1 start=$SECONDS
    shift
    echo "=== $name"
    "$@"
    times+=("$(printf '%-40s %5d s' "$name" $((SECONDS - start)))")
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --parallel "$jobs"
}

tools_log=$(mktemp)
wait_for_tools() {
    local status=0
    wait "$tools" || status=$?
    tools=""
    cat "$tools_log"
    rm -f "$tools_log"
    return "$status"
}

step "install: what the builds need" scripts/install-deps.sh --tests-build
# What only running the tests needs (kicad-cli, clang, lintian...) downloads and installs while
# the first build compiles; nothing else calls apt-get meanwhile.
scripts/install-deps.sh --tests-run >"$tools_log" 2>&1 &
tools=$!
step "default: configure and build" build default
step "install: test tools (rest of the wait)" wait_for_tools
# Side by side, as many tests as cores: those that must not overlap say so (RESOURCE_LOCK).
step "default: tests" ctest --preset default --parallel "$jobs"
step "asan: configure and build (fuzz targets too)" build asan
# The package test is the normal build's alone: the .deb is made once.
# One at a time: the hostile-file tests time the start-up, which the sanitizers slow down enough
# that a second test beside them pushes it past its limit.
step "asan: tests" ctest --preset asan
# Short, so that the harnesses keep building and running; scripts/fuzz.sh alone runs longer.
step "fuzz targets, 10 s each" env CHRONALYS_FUZZ_BUILD=build-asan scripts/fuzz.sh 10
