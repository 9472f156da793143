#!/usr/bin/env bash
# A screen reader's view: the main window's tabs, menus and links on the AT-SPI
# bus with their captions, a tab selected and a link pressed through their actions.
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$1"
e2e_start_x
e2e_start_accessibility
app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "the main window did not appear"
/usr/bin/python3 "$(dirname "$0")/atspi_main_window.py" || fail "accessibility check"
wait_for_opened 1 || fail "pressing the outreach link opened nothing"
grep -Eq 'page=(fully-branded|co-brand)$' "$OPENED" || fail "unexpected address $(cat "$OPENED")"
echo "accessibility: passed"
