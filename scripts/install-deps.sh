#!/usr/bin/env bash
# Installs the Debian packages that are missing, in two groups:
#   scripts/install-deps.sh           what building and running the program needs
#   scripts/install-deps.sh --tests   the same, plus what the tests, the package and the fuzzing add
# The second group in two halves, so scripts/test.sh can install the second while it builds:
#   scripts/install-deps.sh --tests-build   the first group and what building the tests needs
#   scripts/install-deps.sh --tests-run     what running them adds (clang and kicad-cli included)
set -euo pipefail

# --- Building and running ----------------------------------------------------------------------
build_run=(cmake g++ qt6-base-dev qt6-svg-dev)
# fonts-liberation2: Liberation Sans has Arial's widths, the face the window asks for first.
build_run+=(fonts-liberation2)
# qt6-translations-l10n: qtbase_fr.qm, Qt's French for the file, print and message-box dialogs.
build_run+=(qt6-translations-l10n)
# qt6-tools-dev, qt6-l10n-tools: qt_add_translations and lrelease compile the English texts
# (translations/chronalys_en.ts) into the program.
build_run+=(qt6-tools-dev qt6-l10n-tools)

# --- Testing adds --------------------------------------------------------------------------------
# libgtest-dev: the test suites; locales: they generate a French C locale with localedef.
tests_build=(libgtest-dev locales)
# desktop-file-utils, appstream: the install tests validate the launcher and the metainfo.
tests=(desktop-file-utils appstream)
# dpkg-dev, file: cpack's DEB generator finds the package's dependencies with dpkg-shlibdeps;
# lintian: the package test checks the .deb with it.
tests+=(dpkg-dev file lintian)
# clang, libclang-rt-14-dev: the sanitizer build and the fuzz targets are clang's, the fuzz targets
# linked with its libFuzzer runtime.
tests+=(clang libclang-rt-14-dev)
# xvfb, xauth: a virtual display to look at the windows (xvfb-run); fonts-dejavu-core: the
# caption test runs again with DejaVu Sans alone, the face of a minimal system.
tests+=(xvfb xauth fonts-dejavu-core)
# openbox, xdotool: a real window manager frames the windows, whose places the window-position
# test reads and moves with xdotool under Xvfb.
tests+=(openbox xdotool)
# hyperfine, time: scripts/bench.sh times the programs and reads their peak memory.
tests+=(hyperfine time)
# libbenchmark-dev: scripts/bench.sh measures the precision window with Google Benchmark.
tests+=(libbenchmark-dev)

case "${1:-}" in
    "") with_tests=0; packages=("${build_run[@]}") ;;
    --tests) with_tests=1; packages=("${build_run[@]}" "${tests_build[@]}" "${tests[@]}") ;;
    --tests-build) with_tests=0; packages=("${build_run[@]}" "${tests_build[@]}") ;;
    --tests-run) with_tests=1; packages=("${tests[@]}") ;;
    *) echo "usage: $0 [--tests | --tests-build | --tests-run]" >&2; exit 2 ;;
esac
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# kicad-cli (Debian 12's backports): the KiCad schematic tests run KiCad's own electrical rules
# check and netlist export; Debian 12's KiCad 6 has no command line. The backports suite is read
# through a source list made for this command alone, from the machine's own Debian sources, so
# the system's sources stay untouched.
install_kicad_cli() {
    command -v kicad-cli >/dev/null && return 0
    local dir
    dir=$(mktemp -d)
    mkdir -p "$dir/parts" "$dir/lists/partial"
    cp /etc/apt/sources.list.d/*.sources "$dir/parts/" 2>/dev/null || true
    [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$dir/parts/system.list"
    # The stanzas and lines of the Debian suite, with the suite renamed to its backports.
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'BEGIN { RS = ""; ORS = "\n\n" }
        /Suites:[^\n]*bookworm( |\n|$)/ && !/security/ {
            sub(/Suites:[^\n]*/, "Suites: bookworm-backports"); print }' >"$dir/parts/backports.sources"
    grep -hE '^deb [^#]* bookworm +main' /etc/apt/sources.list 2>/dev/null |
        sed -E 's/ bookworm( +main)/ bookworm-backports\1/' >"$dir/parts/backports.list" || true
    local apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$dir/parts"
                    -o "Dir::State::Lists=$dir/lists")
    echo "Installing: kicad (bookworm-backports, for kicad-cli)"
    $sudo apt-get "${apt_opts[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${apt_opts[@]}" install -y -qq \
        --no-install-recommends -t bookworm-backports kicad
    rm -rf "$dir"
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
[ "$with_tests" -eq 1 ] && install_kicad_cli
exit 0
