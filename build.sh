#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Sets up a Debian 12 machine for Kuvel, builds it, and plays or tests it.
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing the game needs.
PLAY_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
    libqt6svg6 libthai0 libicu-dev fonts-liberation2 fonts-dejavu-core
)

# What the tests, benchmarks and fuzzers add to it.
TEST_PACKAGES=(
    libgtest-dev libbenchmark-dev libboost-math-dev
    clang libclang-rt-14-dev clang-format clang-tidy
    xvfb x11-utils xdotool libxcb1-dev openbox dbus at-spi2-core python3-pyatspi orca
    desktop-file-utils appstream dpkg-dev file lintian devscripts man-db groff-base
    locales python3
    # A font for each script Liberation Sans lacks: Chinese and Korean, Japanese, Devanagari,
    # and Noto's core fonts for the rest (Indic, Southeast Asian, Ethiopic, Urdu's Naskh).
    fonts-wqy-microhei fonts-ipafont-gothic fonts-lohit-deva fonts-noto-core
)

# The translated game is tested in these: the second column of i18n/LANGUAGES.
mapfile -t LOCALES < <(awk '!/^#/ && NF { print $2 }' i18n/LANGUAGES)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {  # install_missing PACKAGE...
    local missing=()
    for p in "$@"; do
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

# A folder of its own: a game-only configuration cached in build/ would leave the
# tests unbuilt there.
play() {
    build build-play -DBUILD_TESTING=OFF
    exec ./build-play/app/kuvel
}

# The fuzz targets only: the rest of a clang build with fuzzer instrumentation is not needed.
fuzz() {
    cmake -S . -B build-fuzz -G Ninja -DBUILD_TESTING=ON -DKUVEL_FUZZ=ON -DKUVEL_BENCH=OFF -DKUVEL_WERROR=ON \
        -DCMAKE_CXX_COMPILER=clang++
    cmake --build build-fuzz --target kuvel_fuzz_numbers kuvel_fuzz_bet
    fuzz/run.sh build-fuzz 60
}

# A run that finds no test fails: it would otherwise pass on nothing.
run_tests() {
    build build -DBUILD_TESTING=ON -DKUVEL_WERROR=ON
    ctest --test-dir build --output-on-failure --no-tests=error -LE soak
    ctest --test-dir build --output-on-failure --no-tests=error -L soak
    build build-asan -DBUILD_TESTING=ON -DKUVEL_WERROR=ON -DKUVEL_SANITIZE=ON -DKUVEL_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure --no-tests=error -LE 'soak|e2e|deb|style'
    fuzz
}

case "${1:-}" in
    play) install_missing "${PLAY_PACKAGES[@]}"; play ;;
    test) install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"; generate_locales; run_tests ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac
