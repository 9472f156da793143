#!/usr/bin/env bash
# Makes the README's pictures from the real program: docs/main-window.png and
# docs/festival-result.png. A release build (or the program given) runs on Xvfb under mutter, as
# on GNOME, and is worked by keyboard alone, as a user would: December 2007 chosen on the main
# window, then "Show Pagan Calendar". Each window is cut from the screen with its title bar.
# Usage: scripts/screenshots.sh [PROGRAM]   (default: build/release/velloran, built first)
# The outreach label is drawn at random at each start, so two runs may differ there alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
scripts/setup.sh --art
program=${1:-}
if [[ -z $program ]]; then
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
    cmake --build build/release --parallel "$(nproc)" --target velloran
    program=build/release/velloran
fi
docs=$PWD/docs

# The end-to-end tests' harness: fresh user folders, Xvfb, the window manager, window lookups.
source tests/e2e/lib.sh "$program"
e2e_start_mutter_x11

# Writes the window with the frame the window manager drew around it, once two grabs of the
# screen agree (the window fully drawn): its place widened by the frame's extents.
grab() { # window file
    local x y width height left right top bottom area last="" now=""
    read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x, y, w, h }')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d ',' |
        awk -F' = ' '{ print $2 }')
    area=$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))
    for _ in $(seq 50); do
        import -window root png:- | convert png:- -crop "$area" +repage -strip \
            -define png:exclude-chunks=date,time "$E2E_DIR/grab.png"
        now=$(identify -format '%#' "$E2E_DIR/grab.png")
        [[ $now == "$last" ]] && break
        last=$now
        sleep 0.3
    done
    [[ $now == "$last" ]] || fail "the window did not settle for its picture: $2"
    cp "$E2E_DIR/grab.png" "$2"
    optipng -quiet -o5 "$2"
    echo "$2: $(identify -format '%wx%h' "$2"), $(stat -c %s "$2") bytes"
}

title="Velloran v1.95"
app_start
main=$(wait_for_window "$title") || fail "the main window did not appear"
# The focus starts on the Pagan Calendar tab; Tab twice reaches ">", which steps from this
# month to December, then Tab reaches the year options: Down and space choose 2007.
steps=()
for ((month = $(date +%-m); month < 12; month++)); do steps+=(space); done
send_keys "$main" Tab Tab "${steps[@]}" Tab Down space
grab "$main" "$docs/main-window.png"

send_keys "$main" alt+c
result=$(wait_for_window "$title" "$main") || fail "the result window did not appear"
gone() { ! xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -qx "$main"; }
retry 100 gone || fail "the main window stayed beside the result window"
grab "$result" "$docs/festival-result.png"
