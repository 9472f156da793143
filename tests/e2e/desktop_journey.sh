#!/usr/bin/env bash
# The main journeys on one desktop, as users run the program under it:
#   desktop_journey.sh BINARY x11_mutter        GNOME on Xorg
#   desktop_journey.sh BINARY x11_openbox       an X11 desktop where mutter is no X11 window manager
#   desktop_journey.sh BINARY xwayland_mutter   GNOME on Wayland, with Xwayland: the program on X
#   desktop_journey.sh BINARY wayland_mutter    mutter without X: the program native on Wayland
#   desktop_journey.sh BINARY wayland_weston    weston headless, native on Wayland
# The program is worked through the accessibility bus, which reaches it on X11
# and Wayland alike; what is on screen is read from the display server
# (mapped_windows in lib.sh).
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$@"
desktop=${2:?which desktop}

# Waits up to 10 s until both the display server and the accessibility bus
# show what is expected.
expect_windows() {
    local mapped=$1 windows=$2 what=$3 actual_mapped="" actual_windows=""
    for _ in $(seq 50); do
        actual_mapped=$(mapped_windows | paste -sd '|')
        actual_windows=$(atspi "$APP_PID" windows 2>&1) || true
        [[ $actual_mapped == "$mapped" && $actual_windows == "$windows" ]] && return 0
        sleep 0.2
    done
    fail "$what: expected mapped '$mapped' and '$windows', found '$actual_mapped' and '$actual_windows'"
}

# Waits up to 6 s for the accessibility bus to read the expected text (page, festivals).
expect_read() {
    local actual=""
    for _ in $(seq 30); do
        actual=$(atspi "$APP_PID" "$1")
        [[ $actual == "$2" ]] && return 0
        sleep 0.2
    done
    fail "$3: expected '$2', read '$actual'"
}

# A title-bar maximize, as the window manager receives it from its button,
# must leave a fixed window as it is (X11; on Wayland the title bar is Qt's
# own: see expect_wayland_maximize_refused).
expect_maximize_refused() {
    [[ $E2E_DISPLAY_SERVER == x11 ]] || return 0
    local id before after
    id=$(program_windows | head -n 1)
    before=$(xdotool getwindowgeometry "$id" | tail -n 1)
    if xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE; then
        fail "the window manager offers to maximize the fixed main window"
    fi
    wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
    sleep 0.5
    after=$(xdotool getwindowgeometry "$id" | tail -n 1)
    [[ $after == "$before" ]] || fail "maximize resized the main window: $before, then $after"
}

# The light grey box of the windows in the nested compositor's output, in which
# Qt paints its title bars and menu bars: "right top" in the host's pixels.
nested_window_corner() {
    local box
    box=$(DISPLAY=$E2E_HOST_DISPLAY import -window root png:- | convert png:- -crop 800x600+0+0 \
        +repage -fill black +opaque '#efefef' -format '%@' info: 2>/dev/null || true)
    if [[ $box =~ ^([1-9][0-9]*)x[0-9]+\+([0-9]+)\+([0-9]+)$ ]]; then
        echo "$((BASH_REMATCH[2] + BASH_REMATCH[1] - 1)) ${BASH_REMATCH[3]}"
    fi
}

# Waits up to 5 s for the window to stand still in the nested output (the
# compositor animates windows that come and go); prints its corner.
wait_for_nested_window() {
    local corner last=""
    for _ in $(seq 20); do
        corner=$(nested_window_corner)
        [[ -n $corner && $corner == "$last" ]] && { echo "$corner"; return 0; }
        last=$corner
        sleep 0.25
    done
    fail "no window drawn in the nested compositor"
}

# On Wayland the title bar is Qt's own. Nested in an X server (mutter), the
# pointer can reach it: its maximize button must leave the window in place.
expect_wayland_maximize_refused() {
    [[ $E2E_DISPLAY_SERVER == wayland && -n ${E2E_HOST_DISPLAY:-} ]] || return 0
    local before after right top
    before=$(wait_for_nested_window)
    read -r right top <<<"$before"
    DISPLAY=$E2E_HOST_DISPLAY xdotool mousemove $((right - 39)) $((top + 15)) click 1
    retry 50 grep -q 'set_maximized()' "$E2E_DIR/protocol.trace" || fail "the maximize button was not hit"
    sleep 0.5
    kill -0 "$APP_PID" 2>/dev/null || fail "the maximize button ended the program"
    for _ in $(seq 25); do
        after=$(nested_window_corner)
        [[ $after == "$before" ]] && break
        sleep 0.2
    done
    [[ $after == "$before" ]] || fail "the maximize button moved the main window: $before, then $after"
}

# The one program window that is modal tells the window manager so (X11;
# Wayland has no word for it, and Qt keeps the other windows from input).
expect_modal_on_x11() {
    [[ $E2E_DISPLAY_SERVER == x11 ]] || return 0
    local id modal=0
    for id in $(program_windows); do
        xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL && modal=$((modal + 1))
    done
    [[ $modal -eq 1 ]] || fail "$1: $modal modal windows, not one"
}

# On X the exit window is kept above every other.
expect_on_top_on_x11() {
    [[ $E2E_DISPLAY_SERVER == x11 ]] || return 0
    xprop -id "$(program_windows)" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
        fail "the exit window is not kept on top"
}

e2e_start_accessibility
case $desktop in
x11_mutter) e2e_start_mutter_x11 ;;
x11_openbox) e2e_start_openbox_x11 ;;
xwayland_mutter) e2e_start_mutter_wayland xwayland ;;
wayland_mutter) e2e_start_mutter_wayland ;;
wayland_weston) e2e_start_weston ;;
*) fail "no such desktop: $desktop" ;;
esac

# The X11 desktop runs in German: the page's month names follow the platform's
# locale (Qt reads it from these, whether or not the C library has it); the
# festivals' date lines stay English.
locale=C.UTF-8 months=(January February March April May June July August September October November December)
[[ $desktop == x11_* ]] && locale=de_DE.UTF-8 &&
    months=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
this_month="month=${months[$(date +%-m) - 1]} year="
main="Velloran v1.95"
# Such a desktop has the German locale in its C library too; Qt 6.8 says so on standard error
# where it is missing. It is compiled for the program where this machine has none.
locale_path=()
if [[ $locale == de_DE.UTF-8 ]] && ! locale -a | grep -qix 'de_DE.utf-\?8'; then
    mkdir -p "$E2E_DIR/locale"
    localedef -i de_DE -f UTF-8 "$E2E_DIR/locale/de_DE.UTF-8" || fail "no German locale"
    locale_path=(LOCPATH="$E2E_DIR/locale")
fi
app_start LANG=$locale LC_ALL=$locale "${locale_path[@]}"
expect_windows "$main" "main" "start"
expect_read page "$this_month" "the page on opening"
atspi "$APP_PID" tabs >/dev/null || fail "the main tabs"

# No year set: only a message asking for one.
atspi "$APP_PID" press "Show Pagan Calendar"
expect_windows "Velloran over $main|$main" "main message:Please Select A Year" "Show without a year"
atspi "$APP_PID" press OK
expect_windows "$main" "main" "the message closed"

# February 2007: back to January whatever the month, one step on.
atspi "$APP_PID" press "<" 12
atspi "$APP_PID" press ">"
atspi "$APP_PID" press 2007
expect_read page "month=${months[1]} year=2007" "the choice on the page"
atspi "$APP_PID" press "Show Pagan Calendar"
expect_windows "$main" "result" "Show Pagan Calendar leaves the result window alone"
expect_read festivals "February 2, 2007" "the festivals of February"
atspi "$APP_PID" press Back
expect_windows "$main" "main" "Back leaves the main window alone"
expect_read page "$this_month" "a fresh main window after Back"
# File > Exit on the result window also brings a fresh main window, not the end.
atspi "$APP_PID" press 2007
atspi "$APP_PID" press "Show Pagan Calendar"
expect_windows "$main" "result" "the result window again"
atspi "$APP_PID" press Exit
expect_windows "$main" "main" "File > Exit on the result window"
expect_read page "$this_month" "a fresh main window after File > Exit"
expect_maximize_refused
expect_wayland_maximize_refused

# About runs its own loop until it closes: pressed without waiting.
atspi "$APP_PID" press "About Software" 2>/dev/null &
expect_windows "$main|$main over $main" "about main" "About over the main window"
expect_modal_on_x11 About
atspi "$APP_PID" press OK
expect_windows "$main" "main" "About closed"

trace_from=0
[[ $E2E_DISPLAY_SERVER == wayland ]] && trace_from=$(wc -l <"$E2E_DIR/protocol.trace")
# With no reminder date stored, a copy that went on with its start-up would record today's.
printf '[Settings]\n' >"$XDG_CONFIG_HOME/velloran.conf"
E2E_LOG=second launch
second=$LAUNCHED
says_already_running() { [[ $(atspi "$second" windows 2>&1) == "message:Application is already running" ]]; }
retry 50 says_already_running || fail "the second copy did not say it is already running"
atspi "$second" press OK
# It only says so and ends, as any copy that leaves does.
expect_status_zero "OK on the refused second copy's message" "$second"
[[ $(cat "$XDG_CONFIG_HOME/velloran.conf") == "[Settings]" ]] ||
    fail "the second copy touched the settings: $(cat "$XDG_CONFIG_HOME/velloran.conf")"
[[ $E2E_DISPLAY_SERVER == wayland ]] &&
    E2E_TRACE_SKIP="$((trace_from + 1)):$(wc -l <"$E2E_DIR/protocol.trace")"
expect_windows "$main" "main" "the first copy after the refused second"

atspi "$APP_PID" press Exit
expect_windows "$main" "exit" "Exit leaves the exit window alone"
expect_on_top_on_x11
atspi "$APP_PID" press Exit
expect_status_zero "the exit window's Exit"
for log in app second; do # the first copy and the refused second
    [[ -s $E2E_DIR/$log.log ]] && fail "the program wrote ($log.log): $(head -n 5 "$E2E_DIR/$log.log")"
done
echo "desktop $desktop: passed"
