#!/usr/bin/env bash
# Memory over a long session: the program hands over from the main window to the festival
# result window and back (a year option, "Show Pagan Calendar", File > Back) again and again, by
# X input alone under a window manager, and each round also walks the main tabs and opens and
# closes About. Prints the memory after 10, 50, 100, 200, 400 and the last of N hand-overs, and
# the growth per hand-over after the tenth.
# Usage: bench/soak/run.sh [--a11y] [--windows] [--program FILE] [hand-overs]   (default 200)
#   --a11y      the accessibility bridge on, on a private accessibility bus, as the e2e tests
#   --windows   the Windows setup program (build/windows, scripts/build-windows.sh) installed
#               under Wine, as a user installs it
#   --program   this build instead: a Linux program, or with --windows a setup program
# On Linux the memory is the program's resident memory (VmRSS); under Wine it is the private
# memory the Wine process that runs the program has written (its own heap and Wine's, which
# Windows counts as the process's private bytes), as Linux sees it. Not the clean pages of the
# program's and Wine's libraries that Wine maps privately: Windows counts those as the images'
# and shares them, and Linux drops and reads them again as it likes (27 MB of them came and
# went within a minute of a steady run).
set -euo pipefail
cd "$(dirname "$0")/../.."
a11y= windows= program= handovers=200
while (($#)); do
    case $1 in
    --a11y) a11y=1 ;;
    --windows) windows=1 ;;
    --program) program=$(readlink -f "$2") && shift ;;
    *) handovers=$1 ;;
    esac
    shift
done
[[ -n $a11y && -n $windows ]] && { echo "Wine has no accessibility bus: --a11y is for Linux" >&2; exit 1; }
# The accessibility bus is a session's: the whole run goes inside a private one.
if [[ -n $a11y && -z ${VELLORAN_IN_DBUS:-} ]]; then
    export VELLORAN_IN_DBUS=1
    exec dbus-run-session -- bash "$0" --a11y ${program:+--program "$program"} "$handovers"
fi

if [[ -n $windows && -z $program ]]; then
    program=$(ls build/windows/Velloran-*-win64.exe 2>/dev/null | head -n 1) \
        || { echo "no setup program in build/windows: run scripts/build-windows.sh" >&2; exit 1; }
elif [[ -z $program ]]; then
    cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
    cmake --build build/bench --parallel "$(nproc)" --target velloran >/dev/null
    program=build/bench/velloran
fi
# The end-to-end tests' harness: fresh user folders, Xvfb, openbox, the accessibility bus, the
# Windows installation, and finding windows and typing into them.
source tests/e2e/lib.sh "$program"
e2e_start_x
e2e_start_window_manager
[[ -n $a11y ]] && e2e_start_accessibility
[[ -n $windows ]] && e2e_install_windows
title="Velloran v1.95"
app_start
main=$(wait_for_window "$title" none 600) || fail "the main window did not appear"
# The process that owns the windows: the program, or under Wine the Wine process running it.
pid=$(xdotool getwindowpid "$main")

memory_kb() {
    if [[ -n $windows ]]; then
        awk '/^Private_Dirty:/ { print $2 }' "/proc/$pid/smaps_rollup"
    else
        awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
    fi
}
gone() { ! xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -qx "$1"; }
wait_until_gone() { retry 150 gone "$1" || fail "a window stayed on screen: $2"; }
# Clicks at a point given in twips within the client area of the main window (below its menu
# bar; the client area is 404 pixels high), where the e2e random use aims too.
click_main() { # left top
    local x y width height
    eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(WIDTH|HEIGHT)=')"
    read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } END { print x, y }')
    xdotool mousemove $((x + $1 / 15)) $((y + HEIGHT - 404 + $2 / 15)) click 1
}

round() { # number
    # The six main tabs in turn and back to the calendar's: the tabs have the focus.
    send_keys "$main" Right Right Right Right Right Left Left Left Left Left
    # About, closed with its OK.
    send_keys "$main" alt+h a
    local about result
    about=$(wait_for_window "$title" "$main") || fail "About did not open in round $1"
    send_keys "$about" Return
    wait_until_gone "$about" "About in round $1"
    # A year (2006, 2007, 2008 in turn), then "Show Pagan Calendar"; File > Back.
    click_main $((6720 + $1 % 3 * 1020 + 200)) $((3615 + 127))
    send_keys "$main" alt+c
    result=$(wait_for_window "$title" "$main") || fail "no result window in round $1"
    wait_until_gone "$main" "the main window in round $1"
    send_keys "$result" alt+f b
    main=$(wait_for_window "$title" "$result") || fail "no main window after Back in round $1"
    wait_until_gone "$result" "the result window in round $1"
}

printf 'hand-overs: %d%s\n' "$handovers" \
    "${a11y:+, accessibility bridge on}${windows:+, Windows build under Wine}"
tenth=
for number in $(seq "$handovers"); do
    round "$number"
    if [[ $number =~ ^(10|50|100|200|400)$ || $number == "$handovers" ]]; then
        sleep 1 # the windows that closed are deleted, the new one drawn
        kb=$(memory_kb)
        printf 'after %3d: %6d kB\n' "$number" "$kb"
        ((number == 10)) && tenth=$kb
    fi
done
if [[ -n $tenth ]] && ((handovers > 10)); then
    awk -v a="$kb" -v b="$tenth" -v n="$((handovers - 10))" \
        'BEGIN { printf "growth after the tenth: %d kB, %.1f kB per hand-over\n", a - b, (a - b) / n }'
fi
