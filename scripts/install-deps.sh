#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail
# locales: the tests generate a French C locale with localedef.
packages=(cmake g++ libgtest-dev qt6-base-dev qt6-svg-dev locales xvfb xauth)
# desktop-file-utils, appstream: the install tests validate the launcher and the metainfo.
packages+=(desktop-file-utils appstream)
# dpkg-dev, file: cpack's DEB generator finds the package's dependencies with dpkg-shlibdeps.
packages+=(dpkg-dev file)
# clang, libclang-rt-14-dev: the fuzz targets are built by clang and linked with its libFuzzer runtime.
packages+=(clang libclang-rt-14-dev)
# hyperfine, time: scripts/bench.sh times the programs and reads their peak memory.
packages+=(hyperfine time)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
