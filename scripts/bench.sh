#!/usr/bin/env bash
# Benchmarks, not tests: each section measures against a yardstick built and timed in the same
# run, so the ratios hold on a busy machine. Needs hyperfine, GNU time (/usr/bin/time) and Google
# Benchmark (scripts/install-deps.sh --tests). Arguments go to the precision benchmark, e.g.
# --benchmark_filter=Window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --preset default >/dev/null
build=$root/build

# Mean time in milliseconds of each command of a hyperfine CSV export, one per line.
means_ms() { awk -F, 'NR > 1 { printf "%.3f\n", $2 * 1000 }' "$1"; }
# Mean processor time (user + system) in milliseconds, one per line: what one core spends.
cpu_ms() { awk -F, 'NR > 1 { printf "%.3f\n", ($5 + $6) * 1000 }' "$1"; }
# Median peak resident memory in KiB of five runs of a command (its output discarded).
peak_kib() {
    for _ in 1 2 3 4 5; do /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; done | sort -n | sed -n 3p
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# ---- chronalys-calcul: one design and batches of designs ------------------------------------
cmake --build --preset default --target chronalys-calcul Chronalys_CD4060 bench_bare_json >/dev/null
calcul=$build/app/chronalys-calcul
bare=$build/bench/bench_bare_json
window=$build/app/Chronalys_CD4060
# A folder of their own, so no settings file of the build tree changes the defaults.
cp "$calcul" "$window" "$bare" "$work/"
calcul=$work/chronalys-calcul bare=$work/bench_bare_json window=$work/Chronalys_CD4060

echo "== One design: chronalys-calcul against a bare Qt Core program printing one JSON object"
hyperfine -N --warmup 5 --runs 60 --export-csv "$work/one.csv" \
    "$bare 10 1" "$calcul 10 1 --json" "$window --calcul 10 1 --json" \
    "$calcul 10 1 --feuille $work/x.kicad_sch" >/dev/null
mapfile -t one < <(means_ms "$work/one.csv")
echo "  bare program               ${one[0]} ms"
echo "  chronalys-calcul           ${one[1]} ms   ratio $(ratio "${one[1]}" "${one[0]}") (target <= 1.3)"
echo "  Chronalys_CD4060 --calcul  ${one[2]} ms   ratio $(ratio "${one[2]}" "${one[0]}")"
echo "  chronalys-calcul writing a KiCad schematic ${one[3]} ms   ratio $(ratio "${one[3]}" "${one[0]}") (target <= 1.3)"
bare_kib=$(peak_kib "$bare" 10 1)
calcul_kib=$(peak_kib "$calcul" 10 1 --json)
window_kib=$(peak_kib "$window" --calcul 10 1 --json)
echo "  peak memory: bare ${bare_kib} KiB, chronalys-calcul ${calcul_kib} KiB ratio" \
     "$(ratio "$calcul_kib" "$bare_kib") (target <= 1.3), Chronalys_CD4060 ${window_kib} KiB"

# Designs from one minute to one day, pulses 1/2.5 to 1/500 of the period, both separators.
designs() {
    awk -v n="$1" 'BEGIN { srand(14); for (i = 1; i <= n; ++i) {
        t = 60 + rand() * 86340; line = sprintf("%.3f %.3f", t, t / (2.5 + rand() * 497.5));
        if (i % 2) { gsub(/\./, ",", line); sub(/ /, ";", line) }
        print line } }'
}
designs 100000 >"$work/lot100k.txt"
designs 1000000 >"$work/lot1m.txt"
echo "== Batch of 100,000 designs (one process, one core)"
hyperfine -N --warmup 1 --runs 5 --export-csv "$work/lot.csv" \
    "$calcul --lot $work/lot100k.txt" "$calcul --lot $work/lot100k.txt --csv" >/dev/null
mapfile -t lot < <(means_ms "$work/lot.csv")
mapfile -t lot_cpu < <(cpu_ms "$work/lot.csv")
per_second() { awk -v t="$1" 'BEGIN { printf "%.0f", 100000 / t * 1000 }'; }
for i in 0 1; do
    form=$([ "$i" = 0 ] && echo "JSON Lines" || echo "--csv     ")
    target=300000
    echo "  $form wall ${lot[$i]} ms: $(per_second "${lot[$i]}") designs/s (target >= $target)," \
         "$(ratio "${lot[$i]}" "${one[0]}") times the bare program's run;" \
         "processor ${lot_cpu[$i]} ms: $(per_second "${lot_cpu[$i]}") designs/s"
done
kib100k=$(peak_kib "$calcul" --lot "$work/lot100k.txt")
kib1m=$(peak_kib "$calcul" --lot "$work/lot1m.txt")
echo "  peak memory: 100,000 lines ${kib100k} KiB, 1,000,000 lines ${kib1m} KiB" \
     "(ratio $(ratio "$kib1m" "$kib100k"); bare program ${bare_kib} KiB)"
# ---- end of chronalys-calcul ----------------------------------------------------------------

# --- Start-up of the main window ---
# The yardstick is ../shared/perf's bare window: a main window of our size with the same menus,
# labels, fields and combo boxes, in the default font. Its LD_PRELOAD library ends either program
# right after its first paint, so both are timed alike and neither is changed. Each runs from a
# folder of its own (the program with its side files, as a portable copy), so no settings file of
# the build tree changes its defaults.
perf=$root/../shared/perf
cmake -S "$perf" -B "$root/build-perf" >/dev/null
cmake --build "$root/build-perf" >/dev/null
mkdir -p "$work/startup" "$work/bare"
cp "$build/app/Chronalys_CD4060" "$build"/app/Chronalys_CD4060_*.TXT "$work/startup/"
cp "$root/build-perf/bare_window" "$work/bare/"
firstpaint=$root/build-perf/libfirstpaint.so
echo "== Window start-up to its first paint (offscreen), against ../shared/perf's bare window"
(cd "$work/startup" && QT_QPA_PLATFORM=offscreen hyperfine -N --warmup 3 --runs 40 \
    --export-csv "$work/startup.csv" \
    "env LD_PRELOAD=$firstpaint $work/bare/bare_window" \
    "env LD_PRELOAD=$firstpaint $work/startup/Chronalys_CD4060 --langue fr" \
    "env LD_PRELOAD=$firstpaint $work/startup/Chronalys_CD4060 --langue en" >/dev/null)
# The medians, as ../shared/perf/README.md gives the figure; the processor time beside them.
mapfile -t startup < <(awk -F, 'NR > 1 { printf "%.3f\n", $4 * 1000 }' "$work/startup.csv")
mapfile -t startup_cpu < <(cpu_ms "$work/startup.csv")
echo "  bare window              median ${startup[0]} ms   processor ${startup_cpu[0]} ms"
echo "  main window, in French   median ${startup[1]} ms   ratio $(ratio "${startup[1]}" "${startup[0]}")" \
     "(target <= 1.25); processor ${startup_cpu[1]} ms, ratio $(ratio "${startup_cpu[1]}" "${startup_cpu[0]}")"
echo "  main window, in English  median ${startup[2]} ms   ratio $(ratio "${startup[2]}" "${startup[0]}")" \
     "(target <= 1.25); processor ${startup_cpu[2]} ms, ratio $(ratio "${startup_cpu[2]}" "${startup_cpu[0]}")"
# --- end of the start-up section ---

# --- Assembly sheet ---
cmake --build --preset default --target sheet_bench
"$build/bench/sheet_bench"
# --- end of assembly sheet ---

# --- Precision window: one update and its computation, against one real-timing run ---
cmake --build --preset default --target precision_bench
"$build/bench/precision_bench" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
# --- end of the precision window section ---

# ---- chronalys-calcul: long designs (--montage cascade) --------------------------------------
# Periods from one minute to thirty days, evenly on a log scale, pulses 1/2.5 to 1/500 of them.
long_designs() {
    awk -v n="$1" 'BEGIN { srand(27); for (i = 1; i <= n; ++i) {
        t = exp(log(60) + rand() * (log(2592000) - log(60))); line = sprintf("%.3f %.3f", t, t / (2.5 + rand() * 497.5));
        if (i % 2) { gsub(/\./, ",", line); sub(/ /, ";", line) }
        print line } }'
}
long_designs 100000 >"$work/long100k.txt"
echo "== One long design and a batch of 100,000 (one process, one core), against the bare program"
hyperfine -N --warmup 5 --runs 60 --export-csv "$work/long_one.csv" \
    "$bare 10 1" "$calcul 86400 60 --montage cascade --json" >/dev/null
mapfile -t long_one < <(means_ms "$work/long_one.csv")
echo "  bare program               ${long_one[0]} ms"
echo "  chronalys-calcul, one long design ${long_one[1]} ms   ratio $(ratio "${long_one[1]}" "${long_one[0]}") (target <= 1.3)"
hyperfine -N --warmup 1 --runs 5 --export-csv "$work/long_lot.csv" \
    "$calcul --lot $work/long100k.txt --montage cascade" "$calcul --lot $work/long100k.txt --montage cascade --csv" >/dev/null
mapfile -t long_lot < <(means_ms "$work/long_lot.csv")
mapfile -t long_cpu < <(cpu_ms "$work/long_lot.csv")
for i in 0 1; do
    form=$([ "$i" = 0 ] && echo "JSON Lines" || echo "--csv     ")
    echo "  $form wall ${long_lot[$i]} ms: $(per_second "${long_lot[$i]}") designs/s (target >= 200000)," \
         "$(ratio "${long_lot[$i]}" "${long_one[0]}") times the bare program's run;" \
         "processor ${long_cpu[$i]} ms: $(per_second "${long_cpu[$i]}") designs/s"
done
# ---- end of long designs ---------------------------------------------------------------------
