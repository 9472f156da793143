#!/usr/bin/env bash
# The update reminder through the real program: the first start only records the
# day in the settings file; a day 15 days back brings the question before the main
# window, and Yes hands the download page to the browser.
source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x

# Dates in the store follow the user's short date format (en_US: month/day/year).
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
SETTINGS=$XDG_CONFIG_HOME/velloran.conf
# "Duration" encoded, as the INI file escapes it.
KEY='%U2122%CA%C7%B6%C9%BE%C4%C3'

stored() { sed -n "s/^$KEY=\"\?\([^\"]*\)\"\?\$/\1/p" "$SETTINGS"; }
# Stores a date under the key, as an earlier run would have.
store_date() { printf '[Settings]\n%s=%s\n' "$KEY" "$(encoded "$1")" >"$SETTINGS"; }

today=$(date +%-m/%-d/%Y)

# First start: no question, the file holds today's date under the encoded key.
app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "the main window did not appear"
[[ $(count_windows "Velloran") -eq 0 ]] || fail "the first start asked a question"
[[ -f "$SETTINGS" ]] || fail "no settings file at $SETTINGS: $(find "$XDG_CONFIG_HOME")"
grep -q '^\[Settings\]$' "$SETTINGS" || fail "no Settings section: $(cat "$SETTINGS")"
[[ $(stored) == "$(encoded "$today")" ]] || fail "stored '$(stored)', not today, $today"
kill "$APP_PID"
wait_for_exit "$APP_PID" || fail "the program did not end"

# Fifteen days back: the question comes first, alone; Yes opens the download page.
store_date "$(date -d '15 days ago' +%-m/%-d/%Y)"
app_start
question=$(wait_for_window "Velloran") || fail "no reminder question"
[[ $(count_windows "Velloran v1.95") -eq 0 ]] || fail "the main window came before the answer"
[[ -n "${E2E_SHOT:-}" ]] && import -window root "$E2E_SHOT"
send_keys "$question" Return
wait_for_opened 1 || fail "Yes opened nothing"
grep -qx 'http://[^/]*/velloran/ssd.php?page=download-web-page' "$OPENED" \
    || fail "unexpected address: $(cat "$OPENED")"
wait_for_window "Velloran v1.95" >/dev/null || fail "no main window after the answer"
[[ $(stored) == "$(encoded "$today")" ]] || fail "after Yes stored '$(stored)', not today"
[[ $(wc -l < "$OPENED") -eq 1 ]] || fail "more than one address opened: $(cat "$OPENED")"
echo "reminder: passed"
