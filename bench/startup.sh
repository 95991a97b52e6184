#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Start-up time and memory of kuvel against a bare Qt window with the same controls.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default build) holds app/kuvel, bench/baseline/kuvel_baseline and
# bench/mapwait/kuvel_mapwait; RUNS (default 9) is the number of measured starts of
# each program. The script starts its own Xvfb on a free display, starts each
# program once to warm the caches, then RUNS times each, alternating and swapping
# which goes first every round. A start is timed from just before exec to the
# MapNotify of the program's top-level window, waited for as an X event on the root
# window (no polling); VmRSS is read from /proc one second later. It prints the
# medians with their spread (min and max) and the ratios kuvel/baseline from this
# same run, against the targets: start-up at most 1.15 times the baseline, VmRSS at
# most 2 MiB above it. Exits 1 when a target is missed.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-9}
kuvel=$build/app/kuvel
baseline=$build/bench/baseline/kuvel_baseline
mapwait=$build/bench/mapwait/kuvel_mapwait
for program in "$kuvel" "$baseline" "$mapwait"; do
    [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts connections.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3<>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
read -r display < "$work/display"
mkdir -m 700 "$work/runtime"

# One start: prints "<ms> <VmRSS kB>".
measure() {
    env -i PATH="$PATH" HOME="$HOME" DISPLAY=":$display" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$mapwait" "$1"
}

measure "$kuvel" > /dev/null
measure "$baseline" > /dev/null
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        measure "$kuvel" >> "$work/kuvel"
        measure "$baseline" >> "$work/baseline"
    else
        measure "$baseline" >> "$work/baseline"
        measure "$kuvel" >> "$work/kuvel"
    fi
done

# median min max of a column of numbers
stats() {
    sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}

read -r k_ms k_ms_min k_ms_max < <(cut -d' ' -f1 "$work/kuvel" | stats)
read -r b_ms b_ms_min b_ms_max < <(cut -d' ' -f1 "$work/baseline" | stats)
read -r k_kb k_kb_min k_kb_max < <(cut -d' ' -f2 "$work/kuvel" | stats)
read -r b_kb b_kb_min b_kb_max < <(cut -d' ' -f2 "$work/baseline" | stats)

awk -v runs="$runs" \
    -v k_ms="$k_ms" -v k_ms_min="$k_ms_min" -v k_ms_max="$k_ms_max" \
    -v b_ms="$b_ms" -v b_ms_min="$b_ms_min" -v b_ms_max="$b_ms_max" \
    -v k_kb="$k_kb" -v k_kb_min="$k_kb_min" -v k_kb_max="$k_kb_max" \
    -v b_kb="$b_kb" -v b_kb_min="$b_kb_min" -v b_kb_max="$b_kb_max" 'BEGIN {
    printf "%d starts each after a warm-up; medians, with the spread (min to max)\n\n", runs
    printf "%-10s %28s %30s\n", "", "exec to first map (ms)", "VmRSS after 1 s (MiB)"
    printf "%-10s %10.1f (%6.1f to %6.1f) %12.2f (%6.2f to %6.2f)\n", "kuvel", k_ms, k_ms_min, k_ms_max, k_kb / 1024, k_kb_min / 1024, k_kb_max / 1024
    printf "%-10s %10.1f (%6.1f to %6.1f) %12.2f (%6.2f to %6.2f)\n", "baseline", b_ms, b_ms_min, b_ms_max, b_kb / 1024, b_kb_min / 1024, b_kb_max / 1024
    ratio = k_ms / b_ms
    extra = (k_kb - b_kb) / 1024
    printf "\nstart-up ratio kuvel/baseline: %.3f (target at most 1.15): %s\n", ratio, ratio <= 1.15 ? "met" : "MISSED"
    printf "VmRSS kuvel - baseline: %+.2f MiB, ratio %.3f (target at most +2 MiB): %s\n", extra, k_kb / b_kb, extra <= 2 ? "met" : "MISSED"
    exit !(ratio <= 1.15 && extra <= 2)
}'
