#!/usr/bin/env bash
# The road out: closing the main window leaves the exit window (kept on top:
# desktop_journey.sh) and the program running; the referral form hands the browser one address whose values
# decode to what was typed; closing the exit window by either road ends the
# program with status 0.
source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x
e2e_start_window_manager

# The window manager's close box: it sends the window the close request.
close_box() { wmctrl -i -c "$1"; }

type_text() { xdotool type --delay 60 "$1"; }
# xdotool types a character missing from the keymap by remapping a key for a
# moment, which a busy program may read after the mapping is gone: give "ö" a
# key of its own before the program starts. Keycode 97 is free in the keyboard data of Debian
# 12, 13 and testing; testing gives 93 to F24 with a type whose second level is Control, so
# xdotool would hold Control for "ö", and a box rightly takes Control+ö for no letter.
xmodmap -e 'keycode 97 = odiaeresis Odiaeresis' 

# --- First run: File > Exit, the referral form, then the exit window's close box.
app_start
main_window=$(wait_for_window "Velloran v1.95") || fail "the main window did not appear"
send_keys "$main_window" alt+f x
exit_window=$(wait_for_window "Velloran v1.95" "$main_window") || fail "no exit window after File > Exit"
sleep 0.5
kill -0 "$APP_PID" || fail "closing the main window ended the program"
[[ $(count_windows "Velloran v1.95") -eq 1 ]] || fail "more than the exit window is visible"

# Keyboard only: Exit has the focus; three tabs reach the name box.
send_keys "$exit_window" Tab Tab Tab
type_text 'Ann & Bo=1 #x&taf5=eve@else.example'
xdotool key Tab Tab
type_text 'ann@exa'
# A typed space is refused with a message; the box keeps its text and the focus.
xdotool key space
message_box=$(wait_for_window "Velloran") || fail "a space in the e-mail box was not refused"
send_keys "$message_box" Return
sleep 0.5
send_keys "$exit_window" End
type_text 'mple.org'
xdotool key Tab
type_text 'bo@example.org'
xdotool key Tab
type_text 'Bö Lee'
# The hidden message box: replace its text with two lines.
xdotool key Tab ctrl+a
type_text '50% off'
xdotool key Return
type_text 'bye'
xdotool key alt+n
wait_for_opened 1 || fail "Refer A Friend Now opened nothing"
sleep 0.5
[[ $(wc -l < "$OPENED") -eq 1 ]] || fail "more than one address: $(cat "$OPENED")"

# Every parameter is what was typed, each character encoded as in an address.
address="http://\([^/]*\)/velloran/ssd.php?page=kzlt-refer-a-friend"
address+="&taf1=Ann%20%26%20Bo%3D1%20%23x%26taf5%3Deve%40else.example&taf2=ann%40example.org"
address+="&taf3=50%25%20off%0D%0Abye&taf4=B%C3%B6%20Lee&taf5=bo%40example.org"
grep -qx "$address&taf6=http://\1/velloran/" "$OPENED" ||
    fail "the referral address is wrong: $(cat "$OPENED")"

kill -0 "$APP_PID" || fail "sending the referral ended the program"
[[ $(count_windows "Velloran v1.95") -eq 1 ]] || fail "the exit window did not stay open"
close_box "$exit_window"
expect_status_zero "the exit window's close box"

# --- Second run: the main window's close box, then the exit window's E&xit.
: > "$OPENED"
app_start
main_window=$(wait_for_window "Velloran v1.95") || fail "the main window did not appear again"
close_box "$main_window"
exit_window=$(wait_for_window "Velloran v1.95" "$main_window") || fail "no exit window after the close box"
sleep 0.3
kill -0 "$APP_PID" || fail "the main window's close box ended the program"
send_keys "$exit_window" alt+x
expect_status_zero "the E&xit button"
[[ ! -s "$OPENED" ]] || fail "leaving opened a page: $(cat "$OPENED")"
echo "exit: passed"
