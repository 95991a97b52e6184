#!/usr/bin/env bash
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
    openbox dbus at-spi2-core python3-pyatspi
)

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
    play) install_missing; play ;;
    test) install_missing; run_tests ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac
