#!/usr/bin/env bash
# Velloran for Windows as a user meets it, under Wine: the setup program installs it silently
# for everyone into a fresh prefix, with the third-party notices and its entry in "Apps &
# features"; the program starts, keeps the reminder date in the registry, refuses a second copy,
# hands a link to the browser (Wine passes it to xdg-open); neither the setup program nor the
# uninstaller touches the files of the running copy; it ends through the exit window with status
# 0; the setup program run again replaces it in place; the uninstaller takes program, shortcut
# and entry and leaves the settings. Then the same for the current user alone (/CurrentUser):
# no administrator's rights asked for, the user's own folders and HKCU, nothing under HKLM.
# Then the portable archive beside the setup program runs from a folder of its own.
source "$(dirname "$0")/lib.sh" "$1"
setup=$VELLORAN_BIN
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
e2e_start_x
e2e_install_windows
# Where this Windows keeps data for all users, the user's roaming and local data.
IFS=';' read -r common_data user_data user_local \
    < <(wine cmd /c 'echo %ProgramData%;%APPDATA%;%LOCALAPPDATA%' | tr -d '\r')

# Checks what the setup program installed into the Windows folder $1 with its entry of "Apps &
# features" under the registry root $2 and its Start-menu folder in the data folder $3: the
# notices, the shortcuts and the values the entry shows. Sets the variables the steps below use.
check_install() {
    windows_folder=$1
    folder=$(winepath -u "$1" | tr -d '\r')
    program=$folder/Velloran.exe
    menu=$(winepath -u "$3\\Microsoft\\Windows\\Start Menu\\Programs\\Velloran" | tr -d '\r')
    shortcut=$menu/Velloran.lnk
    [[ -f $program ]] || fail "the setup program installed no program into $1"
    [[ -f $shortcut ]] || fail "the setup program installed no shortcut into $menu"
    for file in THIRD-PARTY-NOTICES.txt \
                licenses/{LGPL-3,GPL-3,qt6-base-copyright,gcc-runtime-copyright,winpthreads-copyright}.txt; do
        [[ -s $folder/$file ]] || fail "the setup program did not install $file"
    done
    grep -q "^Source: Debian's source package qt6-base 6.4.2+dfsg" "$folder/THIRD-PARTY-NOTICES.txt" \
        || fail "the notices do not name the Qt source"
    [[ -f "$menu/Third-party notices.lnk" ]] || fail "the Start menu does not lead to the notices"

    uninstall_key="$2\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
    local entry value size folder_size pattern=${1//\\/\\\\}
    entry=$(wine reg query "$uninstall_key\\Velloran" | tr -d '\r')
    for value in 'DisplayName *REG_SZ *Velloran' 'DisplayVersion *REG_SZ *1.95' \
                 'Publisher *REG_SZ *Tarrowmoor' "DisplayIcon *REG_SZ *$pattern\\\\Velloran.exe" \
                 "UninstallString *REG_SZ *\"$pattern\\\\Uninstall.exe\"" \
                 'URLInfoAbout *REG_SZ *https://www.tarrowmoor.com/velloran/'; do
        grep -qx " *$value" <<<"$entry" || fail "the uninstall entry under $2 lacks $value"
    done
    size=$(sed -n 's/^ *EstimatedSize *REG_DWORD *//p' <<<"$entry")
    folder_size=$(du -sk --apparent-size "$folder" | cut -f1)
    ((size > folder_size * 9 / 10 && size < folder_size * 11 / 10)) \
        || fail "EstimatedSize is ${size:-missing}, the folder $folder_size KiB"
}
# How many entries of "Apps & features" name Velloran under the root check_install was given.
entries() {
    { wine reg query "$uninstall_key" /s 2>/dev/null || true; } | tr -d '\r' \
        | grep -c 'DisplayName *REG_SZ *Velloran$' || true
}
check_install 'C:\Program Files\Velloran' HKLM "$common_data"

# Starts the program file given under Wine; checks the main window (main_window) and the reminder date.
start_program() {
    VELLORAN_BIN=$E2E_DIR/velloran
    printf '#!/bin/sh\nexec wine "%s"\n' "$1" >"$VELLORAN_BIN"
    chmod +x "$VELLORAN_BIN"
    app_start
    main_window=$(wait_for_window "Velloran v1.95" none 600) || fail "the main window did not appear"
    [[ $(stored_date) == "$(encoded "$(date +%-m/%-d/%Y)")" ]] || fail "the registry holds '$(stored_date)'"
}
# The reminder date: "Duration" and the date, each Windows-1252 code shifted up by 85.
stored_date() {
    wine reg export 'HKCU\Software\Velloran\Settings' "$E2E_DIR/settings.reg" /y >/dev/null \
        || fail "no settings in the registry"
    iconv -f UTF-16 -t UTF-8 "$E2E_DIR/settings.reg" | tr -d '\r' | sed -n 's/^"™ÊÇ¶É¾ÄÃ"="\(.*\)"$/\1/p'
}
# File > Exit, then the exit window (kept on top), whose Exit ends the program with status 0.
exit_through_menu() {
    send_keys "$main_window" alt+f x
    exit_window=$(wait_for_window "Velloran v1.95" "$main_window") || fail "no exit window after File > Exit"
    xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
        || fail "the exit window is not kept on top"
    send_keys "$exit_window" alt+x
    expect_status_zero "the exit window's E&xit"
}

start_program "$windows_folder\\Velloran.exe"

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

# While the program runs, the setup program and the uninstaller (waited for in its own folder,
# named without spaces as NSIS needs it) end with status 2 and leave every file as it was.
installed_files() { (cd "$folder" && find . -type f -printf '%p %s %T@\n' | sort); }
before=$(installed_files)
short_folder=$(winepath -s 'C:\Program Files\Velloran' | tr -d '\r')
refused() {
    local status=0
    wine "$@" || status=$?
    ((status == 2)) || fail "'$*' beside the running program ended with status $status"
}
refused "$setup" /S
refused "$short_folder\\Uninstall.exe" /S "_?=$short_folder"
[[ $(installed_files) == "$before" ]] || fail "a file of the running program was changed"
(($(entries) == 1)) || fail "the refused uninstaller took the entry of Apps & features"

exit_through_menu

# The setup program with the options given over the installed copy: one entry, the same
# settings. Then the uninstaller takes program, shortcut and entry, and leaves the settings.
upgrade_and_uninstall() {
    local stored
    stored=$(stored_date)
    wine "$setup" "$@" || fail "the setup program $* over the installed one failed"
    (($(entries) == 1)) || fail "$(entries) entries in Apps & features after the upgrade"
    [[ $(stored_date) == "$stored" ]] || fail "the upgrade changed the settings"

    wine "$windows_folder\\Uninstall.exe" /S
    for _ in $(seq 300); do [[ -e $program || -e $shortcut ]] || break; sleep 0.2; done
    [[ ! -e $program && ! -e $shortcut ]] || fail "the uninstaller left the program or its shortcut"
    (($(entries) == 0)) || fail "the uninstaller left the entry in Apps & features"
    wine reg query 'HKCU\Software\Velloran\Settings' >/dev/null \
        || fail "the uninstaller took the user's settings"
}
upgrade_and_uninstall /S

# For the current user alone: the setup program asks for no administrator's rights (Windows
# shows no elevation prompt for it), installs into the user's own programs folder and Start
# menu, with its entry under HKCU and nothing under HKLM, and refuses while the program runs.
grep -aq 'requestedExecutionLevel level="asInvoker"' "$setup" \
    || fail "the setup program asks for an administrator's rights"
wine "$setup" /S /CurrentUser || fail "the setup program for the current user failed"
check_install "$user_local\\Programs\\Velloran" HKCU "$user_data"
for key in 'Software\Microsoft\Windows\CurrentVersion\Uninstall\Velloran' 'Software\Tarrowmoor'; do
    if wine reg query "HKLM\\$key" >/dev/null 2>&1; then fail "HKLM\\$key is there"; fi
done
start_program "$windows_folder\\Velloran.exe"
before=$(installed_files)
refused "$setup" /S /CurrentUser
[[ $(installed_files) == "$before" ]] || fail "a file of the running program was changed"
exit_through_menu
upgrade_and_uninstall /S /CurrentUser

# The portable archive, unpacked into a folder nothing was installed to, on a first start.
wine reg delete 'HKCU\Software\Velloran' /f >/dev/null
unzip -q "${setup%.exe}.zip" -d "$E2E_DIR/portable"
start_program "$E2E_DIR/portable/Velloran-1.95-win64/Velloran.exe"
exit_through_menu
wineserver -k
echo "windows journey: passed"
