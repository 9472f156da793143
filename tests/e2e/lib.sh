# Shared by the end-to-end tests: runs the real binary under its own Xvfb with a
# fresh HOME, XDG folders and a fake xdg-open that records every address.
# Usage in a test: source "$(dirname "$0")/lib.sh" "$@"; e2e_start_x; app_start; ...
set -euo pipefail

# A test that reads the program as a screen reader does sets E2E_ACCESSIBILITY=1
# on the source line: it then runs again inside a private session bus.
if [[ -n "${E2E_ACCESSIBILITY:-}" && -z "${VELLORAN_IN_DBUS:-}" ]]; then
    export VELLORAN_IN_DBUS=1
    exec dbus-run-session -- bash "$0" "$@"
fi

VELLORAN_BIN=$(readlink -f "$1")
E2E_DIR=$(mktemp -d /tmp/velloran-e2e.XXXXXX)
export HOME=$E2E_DIR/home XDG_CONFIG_HOME=$E2E_DIR/config XDG_RUNTIME_DIR=$E2E_DIR/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$E2E_DIR/bin"
chmod 700 "$XDG_RUNTIME_DIR"
OPENED=$E2E_DIR/opened.txt
: > "$OPENED"
cat > "$E2E_DIR/bin/xdg-open" <<FAKE
#!/bin/sh
printf '%s\n' "\$1" >> "$OPENED"
FAKE
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH
# The program picks its platform from the display it is given, not the caller's session.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE SESSION_MANAGER LANGUAGE
# Typed text is UTF-8 whatever the caller's shell had; C.UTF-8 exists on every Debian.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# The tests run Python helpers from the source tree; leave no caches in it.
export PYTHONDONTWRITEBYTECODE=1
E2E_PIDS=()
E2E_HERE=$(dirname "${BASH_SOURCE[0]}")
atspi() { /usr/bin/python3 "$E2E_HERE/atspi_common.py" "$@"; }

# A sanitizer report in any program log fails the test, whatever else passed:
# the sanitizer build checks for leaks just before the program ends.
export SANITIZER_REPORT='ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:'
e2e_cleanup() {
    local status=$? pid log
    # A failed test shows what the program itself printed, before its folder goes.
    if ((status != 0)); then
        for log in "$E2E_DIR"/*.log; do
            [[ -s "$log" ]] || continue
            echo "--- ${log##*/}:" >&2
            tail -n 40 "$log" >&2
        done
    fi
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n "${WINEPREFIX:-}" ]] && wineserver -k 2>/dev/null || true
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
    for log in "$E2E_DIR"/*.log; do
        [[ -f "$log" ]] && grep -qE "$SANITIZER_REPORT" "$log" || continue
        echo "FAIL: sanitizer report in ${log##*/}:" >&2
        grep -E -A 30 "$SANITIZER_REPORT" "$log" | head -n 60 >&2
        status=1
    done
    [[ -n ${E2E_KEEP:-} ]] || rm -rf "$E2E_DIR" # E2E_KEEP=1 keeps it to look into
    exit "$status"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the command every 0.1 s until it succeeds, N times at most.
retry() {
    local tries=$1; shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}

source "$E2E_HERE/../../scripts/xvfb.sh"
e2e_start_x() {
    start_xvfb "$E2E_DIR" || fail "no X display could be started"
}

# Starts a copy of the program in the background, with the environment changes
# given (NAME=VALUE, -u NAME); LAUNCHED holds its process id. Its output is added
# to $E2E_LOG.log (app.log unless told), so no earlier run's report is lost.
launch() {
    env "$@" "$VELLORAN_BIN" >>"$E2E_DIR/${E2E_LOG:-app}.log" 2>&1 &
    LAUNCHED=$!
    E2E_PIDS+=("$LAUNCHED")
}

# Starts the program; APP_PID holds its process id.
app_start() {
    launch "$@"
    APP_PID=$LAUNCHED
}

# Waits up to 15 s (or the tenths of a second given) for a visible window whose
# title matches, other than the one given if any; prints its id.
wait_for_window() {
    local title=$1 old=${2:-none} id
    for _ in $(seq "${3:-150}"); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -vx "$old" | head -n 1 || true)
        if [[ -n "$id" ]]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# Number of visible windows whose title matches.
count_windows() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Focuses a window and types keys into it (xdotool key syntax, e.g. alt+d Return).
send_keys() {
    local id=$1; shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.2
    xdotool key --delay 80 "$@"
}

# Waits up to 10 s for a process to end; fails if it does not.
ended() { ! kill -0 "$1" 2>/dev/null; }
wait_for_exit() { retry 100 ended "$1"; }

# Fails unless the program (APP_PID, or the process given) ends, and with status 0.
expect_status_zero() {
    local what=$1 pid=${2:-$APP_PID} status=0
    wait_for_exit "$pid" || fail "$what did not end the program"
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "$what ended the program with status $status"
}

# A date as the settings store keeps it: each character's Windows-1252 code plus
# 85, so "/" and the digits 0 to 9 become these characters (0x8D, for 8, is
# unassigned in the code page and stays the C1 control).
encoded() { LC_ALL=C.UTF-8 sed "y|/0123456789|„…†‡ˆ‰Š‹Œ"$'\xc2\x8d'"Ž|" <<<"$1"; }

# Waits up to 10 s for the fake browser to have received N addresses.
opened_at_least() { [[ $(wc -l <"$OPENED") -ge $1 ]]; }
wait_for_opened() { retry 100 opened_at_least "$1"; }

# The stops of the keyboard in a window, as a screen reader names them (keyboard_stops.tsv):
# "role<TAB>name" a line, in the order Tab reaches them.
stops() { awk -F'\t' -v window="$1" '$1 == window { print $2 "\t" $3 }' "$E2E_HERE/keyboard_stops.tsv"; }

# Text a size larger than the windows were laid out for (at 120 dpi, not 96), as a desktop's font
# setting makes it where Qt leaves the windows' size alone: the festivals of December 2007 then
# overflow their box in the result window, whose list scrolls and is a stop of the keyboard.
# The settings to start the program with.
LARGER_TEXT=(QT_FONT_DPI=120 QT_ENABLE_HIGHDPI_SCALING=0)
# The same for every program of the Wine prefix, in the user's environment there.
e2e_larger_text_in_prefix() {
    local setting
    for setting in "${LARGER_TEXT[@]}"; do
        wine reg add 'HKCU\Environment' /v "${setting%%=*}" /d "${setting#*=}" /f >/dev/null
    done
}

# Starts the accessibility bus and makes the program put its controls on it.
e2e_start_accessibility() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    sleep 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
}

# Starts a window manager on the test's display (openbox), so that new windows
# are mapped, stacked and focused as on a user's desktop. Waits until it owns
# the screen, then returns.
e2e_start_window_manager() {
    openbox --sm-disable >"$E2E_DIR/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for_window_manager
}

# --- Desktops: a window manager or compositor as users run the program under.
# Each sets E2E_DISPLAY_SERVER (x11 or wayland) and the environment that Qt
# picks its platform from. A Wayland compositor writes its side of the protocol
# to protocol.trace (WAYLAND_DEBUG=server), from which wayland_windows.py reads
# the windows on screen.

# Waits until a window manager owns the X screen.
wm_owns_screen() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
e2e_wait_for_window_manager() { retry 150 wm_owns_screen || fail "the window manager did not start"; }

# mutter as the X11 window manager of GNOME on Xorg.
e2e_start_mutter_x11() {
    e2e_start_x
    mutter --x11 --replace --sm-disable >"$E2E_DIR/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for_window_manager
    E2E_DISPLAY_SERVER=x11
}

# Whether this mutter is still an X11 window manager too: mutter 50 (Debian testing) left GNOME
# on Xorg behind, and its nested mode with it.
mutter_has_x11() { mutter --help 2>&1 | grep -q -- '--x11'; }

# An X11 desktop where mutter is none: openbox, as many X11 desktops run a window manager
# other than GNOME's.
e2e_start_openbox_x11() {
    e2e_start_x
    e2e_start_window_manager
    E2E_DISPLAY_SERVER=x11
}

# mutter as a Wayland compositor, as GNOME runs it: nested in an Xvfb window where mutter still
# nests (up to 49), headless on a virtual monitor from mutter 50 on.
# With "xwayland" it is a GNOME session with Xwayland's display beside Wayland's,
# where the program picks X; otherwise there is no X server and it runs natively.
e2e_start_mutter_wayland() {
    local mode=${1:-native} args=(--wayland --wayland-display=velloran-wl)
    [[ $mode == xwayland ]] || args+=(--no-x11)
    if mutter_has_x11; then
        args+=(--nested)
        e2e_start_x
        E2E_HOST_DISPLAY=$DISPLAY
    else
        args+=(--headless --virtual-monitor 1280x1024)
    fi
    # The command mutter runs tells the display it was given, then waits.
    WAYLAND_DEBUG=server mutter "${args[@]}" -- sh -c \
        'echo "$$ ${DISPLAY:-} ${XAUTHORITY:-}" > "$0.tmp" && mv "$0.tmp" "$0" && exec sleep 600' \
        "$E2E_DIR/mutter-display" >/dev/null 2>"$E2E_DIR/protocol.trace" &
    E2E_PIDS+=($!)
    retry 150 test -s "$E2E_DIR/mutter-display" || fail "mutter did not start as a Wayland compositor"
    local waiter inner authority
    read -r waiter inner authority <"$E2E_DIR/mutter-display"
    E2E_PIDS+=("$waiter")
    export WAYLAND_DISPLAY=velloran-wl XDG_SESSION_TYPE=wayland
    if [[ $mode == xwayland ]]; then
        export DISPLAY=$inner XAUTHORITY=$authority
        e2e_wait_for_window_manager
        E2E_DISPLAY_SERVER=x11
    else
        unset DISPLAY
        E2E_DISPLAY_SERVER=wayland
    fi
}

# weston with no screen at all.
e2e_start_weston() {
    WAYLAND_DEBUG=server weston --backend=headless-backend.so --socket=velloran-wl \
        --width=1280 --height=1024 --idle-time=0 --log="$E2E_DIR/compositor.log" \
        2>"$E2E_DIR/protocol.trace" &
    E2E_PIDS+=($!)
    retry 150 test -S "$XDG_RUNTIME_DIR/velloran-wl" || fail "weston did not start"
    unset DISPLAY
    export WAYLAND_DISPLAY=velloran-wl XDG_SESSION_TYPE=wayland
    E2E_DISPLAY_SERVER=wayland
}

# The ids of the program's windows (APP_PID's) that the X server has on screen.
program_windows() {
    xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true
}

# The program's windows that the display server has on screen, sorted, one a
# line: the title, and "over TITLE" for a window bound to another. On Wayland,
# E2E_TRACE_SKIP names the protocol log lines of other copies that have ended.
mapped_windows() {
    if [[ $E2E_DISPLAY_SERVER == wayland ]]; then
        /usr/bin/python3 "$E2E_HERE/wayland_windows.py" \
            "$E2E_DIR/protocol.trace" ${E2E_TRACE_SKIP:-} | sort
        return
    fi
    local id owner line
    for id in $(program_windows); do
        line=$(xdotool getwindowname "$id")
        owner=$(xprop -id "$id" WM_TRANSIENT_FOR 2>/dev/null | grep -o '0x[0-9a-f]*' || true)
        [[ -n $owner ]] && line+=" over $(xdotool getwindowname "$((owner))" 2>/dev/null)"
        echo "$line"
    done | sort
}

# --- Windows: the setup program given ($VELLORAN_BIN) installs Velloran silently into a fresh
# Wine prefix; VELLORAN_BIN then starts the installed program, WINDOWS_PROGRAM is its file. Wine's
# report of a crash in a log fails the test as a sanitizer's does.
e2e_install_windows() {
    source "$E2E_HERE/../../scripts/wine.sh"
    wine_prefix "$E2E_DIR/wine"
    wine "$VELLORAN_BIN" /S || fail "the setup program failed"
    WINDOWS_PROGRAM="$WINEPREFIX/drive_c/Program Files/Velloran/Velloran.exe"
    [[ -f $WINDOWS_PROGRAM ]] || fail "the setup program installed no program"
    VELLORAN_BIN=$E2E_DIR/velloran
    printf '#!/bin/sh\nexec wine "C:\\\\Program Files\\\\Velloran\\\\Velloran.exe"\n' >"$VELLORAN_BIN"
    chmod +x "$VELLORAN_BIN"
    SANITIZER_REPORT+='|Unhandled exception'
}
