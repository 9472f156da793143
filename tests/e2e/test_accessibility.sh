#!/usr/bin/env bash
# A screen reader's view: the main window's tabs, menus and links on the AT-SPI
# bus with their captions, a tab selected and a link pressed through their actions.
if [[ -z "${VELLORAN_IN_DBUS:-}" ]]; then
    # The rest runs inside a private session bus with its own accessibility bus.
    export VELLORAN_IN_DBUS=1
    exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
e2e_start_x

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
E2E_PIDS+=($!)
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "the main window did not appear"
/usr/bin/python3 "$(dirname "$0")/atspi_main_window.py" || fail "accessibility check"
wait_for_opened 1 || fail "pressing the outreach link opened nothing"
grep -Eq 'page=(fully-branded|co-brand)$' "$OPENED" || fail "unexpected address $(cat "$OPENED")"
echo "accessibility: passed"
