# Shared by the end-to-end tests: runs the real binary under its own Xvfb with a
# fresh HOME, XDG folders and a fake xdg-open that records every address.
# Usage in a test: source "$(dirname "$0")/lib.sh" "$1"; e2e_start_x; app_start; ...
set -euo pipefail

# A test that reads the program as a screen reader does sets E2E_ACCESSIBILITY=1
# on the source line: it then runs again inside a private session bus.
if [[ -n "${E2E_ACCESSIBILITY:-}" && -z "${VELLORAN_IN_DBUS:-}" ]]; then
    export VELLORAN_IN_DBUS=1
    exec dbus-run-session -- bash "$0" "$1"
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
unset QT_QPA_PLATFORM SESSION_MANAGER LANGUAGE
# Typed text is UTF-8 whatever the caller's shell had; C.UTF-8 exists on every Debian.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# The tests run Python helpers from the source tree; leave no caches in it.
export PYTHONDONTWRITEBYTECODE=1
export QT_QPA_PLATFORM=xcb
E2E_PIDS=()

# A sanitizer report in any program log fails the test, whatever else passed:
# the sanitizer build checks for leaks just before the program ends.
SANITIZER_REPORT='ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:'
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
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
    for log in "$E2E_DIR"/*.log; do
        [[ -f "$log" ]] && grep -qE "$SANITIZER_REPORT" "$log" || continue
        echo "FAIL: sanitizer report in ${log##*/}:" >&2
        grep -E -A 30 "$SANITIZER_REPORT" "$log" | head -n 60 >&2
        status=1
    done
    rm -rf "$E2E_DIR"
    exit "$status"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
e2e_start_x() {
    start_xvfb "$E2E_DIR" || fail "no X display could be started"
}

# Starts the program in the background; APP_PID holds its process id. Its
# output is added to app.log, so no earlier run's report is lost.
app_start() {
    "$VELLORAN_BIN" >>"$E2E_DIR/app.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
}

# Waits up to 15 s (or the given tenths of a second) for a visible window whose
# title matches; prints its id.
wait_for_window() {
    local title=$1 id
    for _ in $(seq "${2:-150}"); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# Waits for the visible "Velloran v1.95" window that is not the given one.
wait_for_other_window() {
    local old=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name '^Velloran v1.95$' 2>/dev/null | grep -vx "$old" | head -n 1 || true)
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
wait_for_exit() {
    local pid=$1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Waits for the program started last to end, which the given action should have
# done, with status 0.
expect_status_zero() {
    wait_for_exit "$APP_PID" || fail "$1 did not end the program"
    local status=0
    wait "$APP_PID" || status=$?
    [[ $status -eq 0 ]] || fail "$1 ended the program with status $status"
}

# Waits up to 10 s for the fake browser to have received N addresses.
wait_for_opened() {
    local count=$1
    for _ in $(seq 100); do
        [[ $(wc -l < "$OPENED") -ge $count ]] && return 0
        sleep 0.1
    done
    return 1
}

# A stored setting's text decoded: each Windows-1252 code shifted down by 85. The
# five codes that the page leaves unassigned stand for themselves, as on Windows.
decode_setting() {
    /usr/bin/python3 -c 'import sys
undefined = {0x81, 0x8D, 0x8F, 0x90, 0x9D}
codes = [ord(c) if ord(c) in undefined else c.encode("cp1252")[0] for c in sys.argv[1]]
print(bytes(code - 85 for code in codes).decode("cp1252"))' "$1"
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
e2e_wait_for_window_manager() {
    for _ in $(seq 150); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# mutter as the X11 window manager of GNOME on Xorg.
e2e_start_mutter_x11() {
    e2e_start_x
    mutter --x11 --replace --sm-disable >"$E2E_DIR/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for_window_manager
    E2E_DISPLAY_SERVER=x11
}

# mutter as a Wayland compositor nested in an Xvfb window, as GNOME runs it.
# With "xwayland" the program runs on mutter's Xwayland (Qt's xcb platform),
# as GNOME runs Qt programs that have no Wayland plugin; otherwise natively.
e2e_start_mutter_wayland() {
    local mode=${1:-native} args=(--wayland --nested --wayland-display=velloran-wl)
    [[ $mode == xwayland ]] || args+=(--no-x11)
    e2e_start_x
    E2E_HOST_DISPLAY=$DISPLAY
    # The command mutter runs tells the display it was given, then waits.
    WAYLAND_DEBUG=server mutter "${args[@]}" -- sh -c \
        'echo "$$ ${DISPLAY:-} ${XAUTHORITY:-}" > "$0.tmp" && mv "$0.tmp" "$0" && exec sleep 600' \
        "$E2E_DIR/mutter-display" >/dev/null 2>"$E2E_DIR/protocol.trace" &
    E2E_PIDS+=($!)
    for _ in $(seq 150); do [[ -s $E2E_DIR/mutter-display ]] && break; sleep 0.1; done
    [[ -s $E2E_DIR/mutter-display ]] || fail "mutter did not start as a Wayland compositor"
    local waiter inner authority
    read -r waiter inner authority <"$E2E_DIR/mutter-display"
    E2E_PIDS+=("$waiter")
    if [[ $mode == xwayland ]]; then
        export DISPLAY=$inner XAUTHORITY=$authority QT_QPA_PLATFORM=xcb
        e2e_wait_for_window_manager
        E2E_DISPLAY_SERVER=x11
    else
        export WAYLAND_DISPLAY=velloran-wl QT_QPA_PLATFORM=wayland
        E2E_DISPLAY_SERVER=wayland
    fi
}

# weston with no screen at all.
e2e_start_weston() {
    WAYLAND_DEBUG=server weston --backend=headless-backend.so --socket=velloran-wl \
        --width=1280 --height=1024 --idle-time=0 --log="$E2E_DIR/compositor.log" \
        2>"$E2E_DIR/protocol.trace" &
    E2E_PIDS+=($!)
    for _ in $(seq 150); do [[ -S $XDG_RUNTIME_DIR/velloran-wl ]] && break; sleep 0.1; done
    [[ -S $XDG_RUNTIME_DIR/velloran-wl ]] || fail "weston did not start"
    unset DISPLAY
    export WAYLAND_DISPLAY=velloran-wl QT_QPA_PLATFORM=wayland
    E2E_DISPLAY_SERVER=wayland
}

# The ids of the program's windows that the X server has on screen.
program_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '.+' 2>/dev/null); do
        xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q " = $APP_PID\$" && echo "$id"
    done
}

# The program's windows that the display server has on screen, sorted, one a
# line: the title, and "over TITLE" for a window bound to another. On Wayland,
# E2E_TRACE_SKIP names the protocol log lines of other copies that have ended.
mapped_windows() {
    if [[ $E2E_DISPLAY_SERVER == wayland ]]; then
        /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/wayland_windows.py" \
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
