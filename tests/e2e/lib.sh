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

# Waits up to 15 s for a visible window whose title matches; prints its id.
wait_for_window() {
    local title=$1 id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
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

# Waits up to 10 s for the fake browser to have received N addresses.
wait_for_opened() {
    local count=$1
    for _ in $(seq 100); do
        [[ $(wc -l < "$OPENED") -ge $count ]] && return 0
        sleep 0.1
    done
    return 1
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
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}
