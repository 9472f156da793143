#!/usr/bin/env bash
# How sharp the pictures are drawn at each scale: the variance of the Laplacian of each
# picture as the X server shows it, over that of the same art rendered straight at the
# screen's device pixels by rsvg-convert (1.00 as sharp; lower is softer). The windows
# run under openbox on Xvfb, scaled by QT_SCALE_FACTOR; the grabs, the references and
# the shots of each window stay in build/bench/sharpness/SCALE.
# Usage: bench/sharpness/run.sh [scale...]        (default 1 1.25 1.5 1.75 2 3)
#        bench/sharpness/run.sh --wine [dpi...]   (default 120 144 168: 125, 150 and 175 %; the Windows
#            build's setup program, from scripts/build-windows.sh, installed under Wine in a
#            fresh prefix whose LogPixels is the dpi; grabs and a shot of the screen with the
#            installed program on its gods page stay in build/bench/sharpness/wine-DPI)
#        bench/sharpness/run.sh --compare DIR     (grabs made elsewhere)
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

wine_run() { # DPI: the installed program and the grabber, under Wine with LogPixels at DPI
    local dpi=$1 dir=build/bench/sharpness/wine-$1 installed
    export WINEPREFIX=$work/wine-$dpi WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    wine build/windows/Velloran-*-win64.exe /S
    installed=$WINEPREFIX/drive_c/Program\ Files/Velloran
    cp build/windows/bench_pictures.exe "$installed/"
    rm -rf "$dir" && mkdir -p "$dir"
    wine "$installed/bench_pictures.exe" --grab "Z:$PWD/$dir"
    wine "$installed/Velloran.exe" >/dev/null 2>&1 &
    local window
    for _ in $(seq 150); do
        window=$(xdotool search --onlyvisible --name '^Velloran v1.95$' 2>/dev/null | head -1 || true)
        [[ -n $window ]] && break
        sleep 0.2
    done
    xdotool windowfocus --sync "$window" key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
    sleep 1
    import -window root "$dir/screen.png"
    wineserver -k
    echo "== under Wine at $dpi dpi"
    compare "$dir"
}

source scripts/xvfb.sh
# Room for the main window at 300 %.
start_xvfb "$work" 2400x1600 || { echo "no X display could be started" >&2; exit 1; }
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

if [[ ${1:-} == --wine ]]; then
    shift
    dpis=("$@")
    ((${#dpis[@]})) || dpis=(120 144 168)
    for dpi in "${dpis[@]}"; do wine_run "$dpi"; done
    exit
fi

scales=("$@")
((${#scales[@]})) || scales=(1 1.25 1.5 1.75 2 3)
for scale in "${scales[@]}"; do
    dir=build/bench/sharpness/$scale
    rm -rf "$dir"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home/runtime \
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$bench" --grab "$dir"
    echo "== at $scale"
    compare "$dir"
done
