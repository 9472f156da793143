#!/usr/bin/env bash
# The real program starts into its main window, hands a menu command's address
# to the browser, survives a killed copy's lock, and of two copies started at
# once runs one. (The refused second copy: desktop_journey.sh.)
source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x

app_start
main_window=$(wait_for_window "Velloran v1.95") || fail "the main window did not appear"
first_pid=$APP_PID

# Donate on the menu bar hands exactly one address to the browser.
send_keys "$main_window" alt+d
wait_for_opened 1 || fail "Donate opened nothing"
sleep 0.5
[[ $(wc -l < "$OPENED") -eq 1 ]] || fail "Donate opened more than one address: $(cat "$OPENED")"
grep -qx 'http://[^/]*/velloran/ssd.php?page=donate' "$OPENED" \
    || fail "unexpected address: $(cat "$OPENED")"

# A copy killed outright leaves its lock behind; the next start is not locked out.
kill -9 "$first_pid"
wait_for_exit "$first_pid" || fail "the first copy could not be killed"
app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "a stale lock kept the program from starting"
[[ $(count_windows "Velloran") -eq 0 ]] || fail "the stale lock was taken for a running copy"
kill -9 "$APP_PID"
wait_for_exit "$APP_PID"

# Two copies started at the same moment: exactly one runs, the other refuses.
launch
launch
wait_for_window "Velloran v1.95" >/dev/null || fail "neither copy started"
wait_for_window "Velloran" >/dev/null || fail "neither copy refused"
sleep 1
[[ $(count_windows "Velloran v1.95") -eq 1 ]] || fail "both copies run"
[[ $(count_windows "Velloran") -eq 1 ]] || fail "not exactly one refusal"
echo "foundation: passed"
