#!/usr/bin/env bash
# How sharp the pictures are drawn at each scale: the variance of the Laplacian of each
# picture as the X server shows it, over that of the same art rendered straight at the
# screen's device pixels by rsvg-convert (1.00 as sharp; lower is softer). The windows
# run under openbox on Xvfb, scaled by QT_SCALE_FACTOR; the grabs, the references and
# the shots of each window stay in build/bench/sharpness/SCALE.
# Usage: bench/sharpness/run.sh [scale...]      (default 1 1.25 1.5 2 3)
#        bench/sharpness/run.sh --compare DIR   (grabs made elsewhere, e.g. under Wine)
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh --art
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)" --target bench_pictures >/dev/null
bench=build/bench/bench/sharpness/bench_pictures
work=$(mktemp -d)
trap 'kill ${WM_PID:-} ${XVFB_PID:-} 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/home/config" "$work/home/runtime" && chmod 700 "$work/home/runtime"

compare() { # DIR: the art rendered at each grab's size, then set beside it
    local dir=$1 name svg background width height
    while read -r name svg background width height; do
        rsvg-convert -w "$width" -h "$height" -b "$background" -o "$dir/$name.ref.png" \
            "assets/art/$svg"
    done <"$dir/pictures.txt"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/home/runtime "$bench" --compare "$dir"
}

if [[ ${1:-} == --compare ]]; then
    compare "$2"
    exit
fi

source scripts/xvfb.sh
# Room for the main window at 300 %.
start_xvfb "$work" 2400x1600 || { echo "no X display could be started" >&2; exit 1; }
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

scales=("$@")
((${#scales[@]})) || scales=(1 1.25 1.5 2 3)
for scale in "${scales[@]}"; do
    dir=build/bench/sharpness/$scale
    rm -rf "$dir"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home/runtime \
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$bench" --grab "$dir"
    echo "== at $scale"
    compare "$dir"
done
