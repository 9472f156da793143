#!/usr/bin/env bash
# Median start-up time (launch to main window mapped on an X server) and peak
# memory of Velloran against a bare Qt window, built and measured alike.
# Usage: bench/startup/run.sh [runs]   (default 15; a release build in build/bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}
scripts/setup.sh --test
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)" --target velloran bare_window map_timer >/dev/null

work=$(mktemp -d)
trap 'kill ${XVFB_PID:-} 2>/dev/null; rm -rf "$work"' EXIT
source scripts/xvfb.sh
start_xvfb "$work" || { echo "no X display could be started" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

measure() { # title program -> one "ms kB" line per run, fresh user folders each time
    local title=$1 program=$2
    for run in $(seq "$runs"); do
        local home=$work/$run-$(basename "$program")
        mkdir -p "$home/config" "$home/runtime" && chmod 700 "$home/runtime"
        HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
            build/bench/bench/startup/map_timer "$title" "$program"
    done
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

# Warm the file cache once for each, then alternate nothing: both get the same treatment.
measure "Bare window" build/bench/bench/startup/bare_window >/dev/null
measure "Velloran v1.95" build/bench/velloran >/dev/null
bare=$(measure "Bare window" build/bench/bench/startup/bare_window)
ours=$(measure "Velloran v1.95" build/bench/velloran)

bare_ms=$(cut -d' ' -f1 <<<"$bare" | median); ours_ms=$(cut -d' ' -f1 <<<"$ours" | median)
bare_kb=$(cut -d' ' -f2 <<<"$bare" | median); ours_kb=$(cut -d' ' -f2 <<<"$ours" | median)
printf 'runs: %d each (medians)\n' "$runs"
printf 'bare Qt window: %s ms to mapped, %s kB peak\n' "$bare_ms" "$bare_kb"
printf 'Velloran:       %s ms to mapped, %s kB peak\n' "$ours_ms" "$ours_kb"
awk -v a="$ours_ms" -v b="$bare_ms" -v c="$ours_kb" -v d="$bare_kb" \
    'BEGIN { printf "ratio: time %.2fx, memory %.2fx\n", a / b, c / d }'
