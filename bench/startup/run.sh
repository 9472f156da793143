#!/usr/bin/env bash
# Median start-up time (launch to main window mapped on an X server) and peak
# memory of Velloran against a bare Qt window, built and measured alike, the two
# started in turns; also the median ratio of the starts made side by side.
# Usage: bench/startup/run.sh [--windows] [runs]   (default 15)
# On Linux both are release builds in build/bench, started with fresh user folders. With
# --windows both are the Windows build (scripts/build-windows.sh, build/windows), started under
# Wine in a prefix of that build's own with a wineserver kept running, as Windows keeps its
# services; the program's settings and lock are removed before each start, and the memory is
# that of the Wine process that runs the program.
set -euo pipefail
cd "$(dirname "$0")/../.."
windows=
[[ ${1:-} == --windows ]] && windows=1 && shift
runs=${1:-15}
scripts/setup.sh --test
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
if [[ -n $windows ]]; then
    cmake --build build/bench --parallel "$(nproc)" --target map_timer >/dev/null
    # The Windows build as it stands (with or without its tests); made once if there is none.
    [[ -f build/windows/CMakeCache.txt ]] || scripts/build-windows.sh >/dev/null
    cmake --build build/windows --target velloran bare_window velloran_runtime >/dev/null
    bare=(wine build/windows/bare_window.exe) ours=(wine build/windows/Velloran.exe)
else
    cmake --build build/bench --parallel "$(nproc)" --target velloran bare_window map_timer >/dev/null
    bare=(build/bench/bench/startup/bare_window) ours=(build/bench/velloran)
fi

work=$(mktemp -d)
trap '[[ -n $windows ]] && wineserver -k; kill ${XVFB_PID:-} 2>/dev/null; rm -rf "$work"' EXIT
source scripts/xvfb.sh
start_xvfb "$work" || { echo "no X display could be started" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
if [[ -n $windows ]]; then
    source scripts/wine.sh
    export WINEPREFIX=$PWD/build/windows/bench-wine
    mkdir -p "$WINEPREFIX"
    # A server left running in the prefix (a run that was stopped) would refuse to start another.
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    wine_prefix "$WINEPREFIX" >/dev/null 2>&1
fi

# Before each start: fresh user folders, or under Wine no settings or lock of an earlier run.
fresh_user() { # home
    if [[ -n $windows ]]; then
        wine reg delete 'HKCU\Software\Velloran' /f >/dev/null 2>&1 || true
        find "$WINEPREFIX/drive_c/users" -name 'velloran*.lock' -delete
    else
        mkdir -p "$1/config" "$1/runtime" && chmod 700 "$1/runtime"
    fi
}
start() { # run title program [args] -> "ms kB", or nothing if the window never came
    local run=$1 title=$2 home
    shift 2
    home=$work/$run-$(basename "${@: -1}")
    fresh_user "$home"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        build/bench/bench/startup/map_timer "$title" "$@" || true
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

# Warm the file cache once for each. Then the two take turns, start by start, the one and then
# the other first, so that other work on the machine, which comes and goes, weighs on both alike.
start warm "Bare window" "${bare[@]}" >/dev/null
start warm "Velloran v1.95" "${ours[@]}" >/dev/null
bare_runs= ours_runs= pair_ratios=
for run in $(seq "$runs"); do
    if ((run % 2)); then
        bare_run=$(start "$run" "Bare window" "${bare[@]}")
        ours_run=$(start "$run" "Velloran v1.95" "${ours[@]}")
    else
        ours_run=$(start "$run" "Velloran v1.95" "${ours[@]}")
        bare_run=$(start "$run" "Bare window" "${bare[@]}")
    fi
    [[ -n $bare_run && -n $ours_run ]] || { echo "start $run: a window never came" >&2; continue; }
    bare_runs+=$bare_run$'\n' ours_runs+=$ours_run$'\n'
    pair_ratios+=$(awk -v a="${ours_run% *}" -v b="${bare_run% *}" 'BEGIN { print a / b }')$'\n'
done
[[ -n $bare_runs ]] || { echo "no start was measured" >&2; exit 1; }

column_median() { cut -d' ' -f"$1" <<<"${2%$'\n'}" | median; } # field lines
bare_ms=$(column_median 1 "$bare_runs"); ours_ms=$(column_median 1 "$ours_runs")
bare_kb=$(column_median 2 "$bare_runs"); ours_kb=$(column_median 2 "$ours_runs")
pair_ratio=$(column_median 1 "$pair_ratios")
printf 'runs: %d each, taking turns (medians)%s\n' "$(wc -l <<<"${bare_runs%$'\n'}")" \
    "${windows:+, Windows build under Wine}"
printf 'bare Qt window: %s ms to mapped, %s kB peak\n' "$bare_ms" "$bare_kb"
printf 'Velloran:       %s ms to mapped, %s kB peak\n' "$ours_ms" "$ours_kb"
awk -v a="$ours_ms" -v b="$bare_ms" -v c="$ours_kb" -v d="$bare_kb" -v p="$pair_ratio" \
    'BEGIN { printf "ratio: time %.2fx (side by side: %.2fx), memory %.2fx\n", a / b, p, c / d }'
