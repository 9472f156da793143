#!/usr/bin/env bash
# Velloran for Windows as a user meets it, under Wine: the setup program installs it silently
# into a fresh prefix; the program starts, keeps the reminder date in the registry, refuses a
# second copy, hands a link to the browser (Wine passes it to xdg-open) and ends through the
# exit window with status 0; the uninstaller takes program and shortcut and leaves the settings.
source "$(dirname "$0")/lib.sh" "$1"
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
e2e_start_x
e2e_install_windows
program=$WINDOWS_PROGRAM
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Velloran/Velloran.lnk')
[[ -n $shortcut ]] || fail "the setup program installed no shortcut"

app_start
main_window=$(wait_for_window "Velloran v1.95" none 600) || fail "the main window did not appear"
wine reg export 'HKCU\Software\Velloran\Settings' "$E2E_DIR/settings.reg" /y >/dev/null \
    || fail "no settings in the registry"
# "Duration" and today's date, each Windows-1252 code shifted up by 85.
stored=$(iconv -f UTF-16 -t UTF-8 "$E2E_DIR/settings.reg" | tr -d '\r' |
         sed -n 's/^"™ÊÇ¶É¾ÄÃ"="\(.*\)"$/\1/p')
[[ $stored == "$(encoded "$(date +%-m/%-d/%Y)")" ]] || fail "the registry holds '$stored'"

first_pid=$APP_PID
app_start
message=$(wait_for_window "Velloran" none 600) || fail "the second copy showed no message"
send_keys "$message" Return
wait_for_exit "$APP_PID" || fail "the second copy did not end after OK"
APP_PID=$first_pid

send_keys "$main_window" alt+d
wait_for_opened 1 || fail "Donate opened nothing"
grep -qx 'http://[^/]*/velloran/ssd.php?page=donate' "$OPENED" \
    || fail "unexpected address: $(cat "$OPENED")"

send_keys "$main_window" alt+f x
exit_window=$(wait_for_window "Velloran v1.95" "$main_window") || fail "no exit window after File > Exit"
xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
    || fail "the exit window is not kept on top"
send_keys "$exit_window" alt+x
expect_status_zero "the exit window's E&xit"

wine "C:\\Program Files\\Velloran\\Uninstall.exe" /S
for _ in $(seq 300); do [[ -e $program || -e $shortcut ]] || break; sleep 0.2; done
[[ ! -e $program && ! -e $shortcut ]] || fail "the uninstaller left the program or its shortcut"
wine reg query 'HKCU\Software\Velloran\Settings' >/dev/null \
    || fail "the uninstaller took the user's settings"
wineserver -k
echo "windows journey: passed"
