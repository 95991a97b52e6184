#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Sets up a Debian 12 machine for Kuvel, builds it, and plays or tests it.
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libbenchmark-dev libboost-math-dev
    fonts-liberation fonts-dejavu-core
    xvfb x11-utils xdotool libxcb1-dev
    clang libclang-rt-14-dev
    libqt6svg6 desktop-file-utils appstream dpkg-dev file
    lintian devscripts man-db groff-base
    openbox dbus at-spi2-core python3-pyatspi orca
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext locales python3
)

# The translated game is tested and played in these.
LOCALES=(de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 pt_BR.UTF-8)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

generate_locales() {
    local missing=() available
    available=$(locale -a)
    for l in "${LOCALES[@]}"; do
        grep -qix "${l/UTF-8/utf8}" <<<"$available" || missing+=("$l")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Generating locales: ${missing[*]}"
    for l in "${missing[@]}"; do
        grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen
}

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

play() {
    build build
    exec ./build/app/kuvel
}

# The fuzz targets only: the rest of a clang build with fuzzer instrumentation is not needed.
fuzz() {
    cmake -S . -B build-fuzz -G Ninja -DKUVEL_FUZZ=ON -DKUVEL_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++
    cmake --build build-fuzz --target kuvel_fuzz_numbers kuvel_fuzz_bet
    fuzz/run.sh build-fuzz 60
}

run_tests() {
    build build
    ctest --test-dir build --output-on-failure -LE soak
    ctest --test-dir build --output-on-failure -L soak
    build build-asan -DKUVEL_SANITIZE=ON -DKUVEL_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -LE 'soak|e2e|deb'
    fuzz
}

case "${1:-}" in
    play) install_missing; generate_locales; play ;;
    test) install_missing; generate_locales; run_tests ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac
