#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Runs every fuzz target for a while, each over a copy of its committed corpus, so
# the inputs found along the way stay out of the repository.
#
#   fuzz/run.sh BUILD_DIR [SECONDS]
#
# BUILD_DIR is configured with -DKUVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ and the
# targets kuvel_fuzz_numbers and kuvel_fuzz_bet are built. SECONDS (default 60) is
# the time per target; the targets run side by side. Prints one line per target
# with its executions and coverage (libFuzzer's cov: and ft:). Exits non-zero when
# a target crashes or breaks a property; the input that did it is kept in
# BUILD_DIR/fuzz-artifacts/ and the log in BUILD_DIR/fuzz-logs/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-60}

targets=(numbers bet)
declare -A extra=([numbers]="-dict=$here/numbers.dict")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"

pids=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    cp "$here/corpus/$target/"* "$work/$target/"
    "$build/fuzz/kuvel_fuzz_$target" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$target-" ${extra[$target]:-} "$work/$target" \
        > "$build/fuzz-logs/$target.log" 2>&1 &
    pids+=($!)
done

status=0
for i in "${!pids[@]}"; do
    target=${targets[$i]}
    if ! wait "${pids[$i]}"; then
        status=1
        echo "fuzz $target: FAILED" >&2
        grep -E -A12 'property broken|ERROR: (libFuzzer|AddressSanitizer)|runtime error' "$build/fuzz-logs/$target.log" >&2 || tail -30 "$build/fuzz-logs/$target.log" >&2
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-logs/$target.log")
    coverage=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/fuzz-logs/$target.log" | grep -oE 'cov: [0-9]+ ft: [0-9]+')
    echo "fuzz $target: $runs runs in ${seconds}s, $coverage, no crash"
done
exit $status
