#!/usr/bin/env bash
# A hostile environment never keeps the program from its main window: no HOME,
# a configuration folder that cannot be written, garbage in the settings file,
# a damaged lock file left long ago, a runtime folder that does not exist yet,
# nowhere to make a lock file, a file named as a library in the folder it starts from;
# and where there is no desktop at all, it says so in one line.
source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x

# Starts the program with the given environment changes, expects the main window
# and no other window, then ends the program.
expect_main_window() {
    local what=$1; shift
    launch "$@"
    local pid=$LAUNCHED
    wait_for_window "Velloran v1.95" >/dev/null || fail "$what: no main window ($(tail -3 "$E2E_DIR/app.log"))"
    [[ $(count_windows "Velloran") -eq 0 ]] || fail "$what: a message box appeared"
    kill -0 "$pid" || fail "$what: the program ended"
    kill -9 "$pid"
    wait_for_exit "$pid"
}

# The configuration folder is a plain file: nothing can be written beneath it.
not_a_folder=$E2E_DIR/not-a-folder
echo "plain file" > "$not_a_folder"
expect_main_window "no HOME, unwritable config" -u HOME XDG_CONFIG_HOME="$not_a_folder"

# Garbage, binary and text, where the settings file should be.
head -c 4096 /dev/urandom > "$XDG_CONFIG_HOME/velloran.conf"
expect_main_window "binary settings file"
printf '[Settings\n\xb6=\n"unclosed\n' > "$XDG_CONFIG_HOME/velloran.conf"
expect_main_window "broken settings file"
rm -f "$XDG_CONFIG_HOME/velloran.conf"

# A damaged lock file from long ago is taken over.
printf 'not a lock\n' > "$XDG_RUNTIME_DIR/velloran.lock"
touch -d '1 hour ago' "$XDG_RUNTIME_DIR/velloran.lock"
expect_main_window "damaged old lock"

# A runtime folder that does not exist yet is made.
expect_main_window "missing runtime folder" XDG_RUNTIME_DIR="$E2E_DIR/runtime-new"

# Libraries come from the system alone, never from the folder the program is started from.
planted=$E2E_DIR/planted
mkdir -p "$planted" && echo "not a library" > "$planted/libQt6Core.so.6"
pushd "$planted" >/dev/null
expect_main_window "a library's name in the current folder"
popd >/dev/null

# No lock file can be made anywhere: that is no other copy running.
expect_main_window "no lock possible" XDG_RUNTIME_DIR="$not_a_folder/run" TMPDIR="$not_a_folder"

# What Qt says while it finds the desktop is held back only until it has found one.
E2E_LOG=startup expect_main_window "Qt's messages at the start" QT_DEBUG_PLUGINS=1
grep -q "^qt.core.plugin.*/platforms" "$E2E_DIR/startup.log" || fail "Qt's messages at the start were lost"
# No desktop to reach: one line that says what is missing, and status 1, not an abort; a start
# that wrongly goes on is ended, and fails, rather than holding up the suite.
no_desktop() { timeout -k 5 30 env "$@" "$VELLORAN_BIN" 2>&1; }
for case in '-u DISPLAY|, and no display is set (DISPLAY is empty): start it from a desktop session.' \
    'DISPLAY=:4711| and could not reach the display ":4711": start it from a desktop session, or set DISPLAY to a display that runs.'; do
    status=0
    said=$(no_desktop ${case%%|*}) || status=$?
    [[ $status -eq 1 && $said == "Velloran needs a graphical desktop${case#*|}" ]] \
        || fail "no display (${case%%|*}): status $status, said: $said"
done
# Where Qt is told to end at a warning, it ends there, and the warning is printed first.
status=0
said=$(no_desktop DISPLAY=:4711 QT_FATAL_WARNINGS=1) || status=$?
[[ $status -ne 0 && $status -ne 124 && $said == *'could not connect to display :4711'* ]] \
    || fail "fatal warnings: status $status, said: $said"
echo "hardening: passed"
