#!/usr/bin/env bash
# Folds what fuzz runs found (build-fuzz/corpus/TARGET) into the seed corpus (fuzz/corpus/TARGET),
# minimised by libFuzzer's -merge=1, so the next campaign starts where the last one stopped.
# The named seeds (reproducers, hand-written cases) are kept whatever they cover.
#   scripts/fuzz-merge.sh [TARGET...]     default: every target with a run corpus
set -euo pipefail
cd "$(dirname "$0")/.."
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in build-fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

for target in "${targets[@]}"; do
    [ -x "build-fuzz/fuzz/$target" ] || { echo "no fuzz target $target (run scripts/fuzz.sh first)" >&2; exit 2; }
    merged=$(mktemp -d)
    find "fuzz/corpus/$target" -maxdepth 1 -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}' -exec cp {} "$merged/" \;
    "build-fuzz/fuzz/$target" -merge=1 -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        "$merged" "fuzz/corpus/$target" "build-fuzz/corpus/$target" >"build-fuzz/$target.merge.log" 2>&1 \
        || { echo "$target: merge failed, see build-fuzz/$target.merge.log" >&2; rm -r "$merged"; exit 1; }
    echo "$target: $(find "fuzz/corpus/$target" -type f | wc -l) seeds before, $(find "$merged" -type f | wc -l) after"
    rm -r "fuzz/corpus/$target"
    mv "$merged" "fuzz/corpus/$target"
    chmod 755 "fuzz/corpus/$target"
done
