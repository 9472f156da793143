#!/usr/bin/env bash
# A blind user's journey, heard through the Orca screen reader: it speaks through no
# synthesizer, and what it says is read from its debug log. Keyboard only, under a window manager.
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x
e2e_start_window_manager
e2e_start_accessibility

# Orca refuses to start beside another copy of the same user; one that an
# earlier test stopped may still be on its way out.
no_orca() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }
retry 100 no_orca || fail "another Orca is running for this user"
PREFS=$E2E_DIR/orca
SPOKEN=$E2E_DIR/orca-debug.txt
mkdir -p "$PREFS"
cat > "$PREFS/user-settings.conf" <<'JSON'
{"general": {"enableSpeech": true, "enableBraille": false, "enableSound": false,
             "enableKeyEcho": false, "enablePositionSpeaking": true, "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "keybindings": {}, "pronunciations": {}}
JSON
# Orca 51 keeps its settings in GSettings instead, and no longer speaks a position in a set
# unless asked: the same, in a key file of its own.
mkdir -p "$PREFS/glib-2.0/settings"
cat > "$PREFS/glib-2.0/settings/keyfile" <<'KEYS'
[org/gnome/orca/default/speech]
speak-position-in-set=true
KEYS
GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME=$PREFS \
    /usr/bin/python3 "$E2E_HERE/orca_line_buffered.py" --user-prefs="$PREFS" --debug-file="$SPOKEN" \
    >"$E2E_DIR/orca.log" 2>&1 &
ORCA_PID=$!
E2E_PIDS+=("$ORCA_PID")
# Orca 43 logs its start as "Starting registry", Orca 48 as "Starting Atspi main event loop".
retry 300 grep -qE "ORCA: Starting (registry|Atspi main event loop)" "$SPOKEN" 2>/dev/null ||
    fail "Orca did not start"

MARK=0
# What Orca said since the last key, an utterance a line, without the voice written after it
# (Orca 51 writes a voice with a family over several lines).
said() {
    tail -n +"$((MARK + 1))" "$SPOKEN" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?\({.*\)\?$/\1/p"
}
# Sends one key (xdotool words: key, keydown, keyup) and listens from then on.
press() {
    MARK=$(wc -l < "$SPOKEN")
    xdotool "$@"
}
# A key with modifiers held: down, key, up, each given time to arrive, as the
# screen reader sees every key before the program does.
# Usage: chord KEY MODIFIERS (e.g. chord Tab ctrl+shift).
chord() {
    press keydown "$2" sleep 0.15 key "$1" sleep 0.15 keyup "$2"
}
# A key that closes its window, let go once Orca has said each text that follows.
# Qt holds a copy of every key event until the screen reader has seen it, and
# loses the copy of a release whose window went away meanwhile: under load that
# is a leak in Qt, not the program's, and the sanitizer build would report it.
close_by() {
    press keydown "$1"
    hear "${@:2}"
    xdotool keyup "$1"
}
# Waits up to 10 s for Orca to say each text (or one of the texts it gives split by "|"), since
# the last key.
hear() {
    local text alternatives alternative
    for text in "$@"; do
        IFS='|' read -r -a alternatives <<<"$text"
        for _ in $(seq 100); do
            # As heard in a row: Orca 48 says a notification's role and text as two utterances.
            for alternative in "${alternatives[@]}"; do
                said | tr '\n' ' ' | grep -qF -- "$alternative" && continue 3
            done
            sleep 0.1
        done
        fail "Orca did not say \"$text\"; it said: $(said | tr '\n' '|')"
    done
}

# Orca's word for a push button: Orca 43 says the toolkit's ("push button"), Orca 48 AT-SPI's
# own ("button"). Asked of AT-SPI, so that each run hears the role a push button has.
button=$(/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
print(getattr(Atspi, "role_get_localized_name", Atspi.role_get_name)(Atspi.Role.PUSH_BUTTON))')
# What Orca says of a stop of keyboard_stops.tsv ("role<TAB>name"): its name (each of its names
# split by "|"), then its role.
declare -A ORCA_ROLE=([tab]="page tab" [button]=$button [radio]="radio button" [link]=link
                      [check]="check box" [image]=image [text]=text [pane]=panel)
# Orca 43 and 48 call a menu that opens a "popup menu", Orca 51 a "menu"; they say a dialog's
# role after its title as it opens; Orca 51 leaves the role out where it judges the context
# says it (the exit window, not About), and still reads a dialog's text after its title,
# which it does not of a plain window.
orca_major=$(orca --version 2>&1 | grep -oE '[0-9]+' | head -n 1)
menu="popup menu" dialog="Velloran v1.95 dialog"
((orca_major >= 51)) && menu=menu dialog="Velloran v1.95"
# Orca 48 and 51 say a panel that takes the focus by its name and description, without its role.
((orca_major >= 48)) && ORCA_ROLE[pane]=""
heard_as() {
    local role=" ${ORCA_ROLE[${1%%$'\t'*}]}" names=${1#*$'\t'}
    echo "${names//|/$role|}$role"
}
mapfile -t main_stops < <(stops main)
mapfile -t result_stops < <(stops result)
mapfile -t about_stops < <(stops about)
mapfile -t exit_stops < <(stops exit)

app_start "${LARGER_TEXT[@]}"
wait_for_window "Velloran v1.95" >/dev/null || fail "the main window did not appear"
MARK=0
# The program's own content first, not the forum banner.
hear "$(heard_as "${main_stops[0]}")"
said | grep -qF "Quillmere Discussion Forum" && fail "the first focus is the forum banner"

# The month label speaks each step; walk from this month to December and back.
months=(January February March April May June July August September October November December)
month=$(date +%-m)
press key Tab; hear "$(heard_as "${main_stops[1]}")"
press key Tab; hear "$(heard_as "${main_stops[2]}")"
for ((next = month + 1; next <= 12; next++)); do
    press key space
    hear "notification ${months[next - 1]}"
done
press key shift+Tab
press key space; hear "notification November"
press key Tab
press key space; hear "notification December"

press key Tab; hear "Year" "2006" "1 of 3"
press key Down; hear "2007" "2 of 3"
press key space
press key Tab; hear "$(heard_as "${main_stops[4]}")"
press key space
hear "Month of the festivals, December 2007" "December 2, 2007: Feast of Rhiannon" \
    "December 12, 2007: day of Bellisama" "December 13, 2007: Festival of Lights" \
    "December 21, 2007: YULE" "December 23, 2007: Yuletide Tree and Elder Festival" \
    "December 28, 2007: Festival of Wine and pleasure (4 DAYS) 28th Dec Onward"
# Each day of the month view says its whole date, and its festival.
press key Home; hear "Saturday, 1 December 2007"
press key Right; hear "Sunday, 2 December 2007, festival: Feast of Rhiannon"
press key End; hear "Monday, 31 December 2007"
# Tab goes round the list of festivals, which overflows its box, and the links, back to the month.
for stop in "${result_stops[@]}"; do
    press key Tab; hear "$(heard_as "$stop")"
done
press key Tab; hear "Month of the festivals, December 2007|Monday, 31 December 2007"

# A menu says its name as it opens, then its current item.
chord f alt; hear "File $menu" "Back"
close_by b "Pagan Calendar page tab"

# The tabs by Ctrl+Tab and Ctrl+Page Down; each entry speaks its text with its tab.
chord Tab ctrl; hear "Pagan Information page tab"
chord Next ctrl; hear "Pagan Festive Seasons page tab"
chord Tab ctrl; hear "Pagan Elements page tab"
chord Tab ctrl; hear "Pagan Gods page tab"
press key Tab; hear "Angus of the Brugh page tab" "Angus is the son of Dagda."
press key shift+Tab
chord Tab ctrl+shift; hear "Pagan Elements page tab"
press key Tab; hear "Earth page tab" "associated with the North direction."
press key Right; hear "Air page tab" "associated with the East direction."
press key shift+Tab
chord Next ctrl; chord Next ctrl; hear "Pagan Goddesses page tab"
press key Tab; hear "Arianrhod page tab" "Arianrhod means Silver Circle"
press key shift+Tab
chord Prior ctrl; chord Prior ctrl; chord Prior ctrl; hear "Pagan Festive Seasons page tab"
press key Tab; hear "Yule page tab" "This is generally celebrated during the winter time"

# Each menu is heard open before its item is picked: a key sent before the
# menu is up would go to the window.
chord h alt; hear "Help $menu" "Online Help"
press key a; hear "$dialog" "$(heard_as "${about_stops[0]}")"
# Back where the focus was. (Orca 43 names the main window again first; Orca 48 names only
# the control, for a window it still takes as active.)
close_by Return "Yule page tab"

chord f alt; hear "File $menu" "Exit"
# The exit window is a window, and it reads its message.
close_by x "$dialog" "$(heard_as "${exit_stops[0]}")"
said | grep -q "$dialog.*Tarrowmoor" || fail "the exit window's message went unspoken"
# Every stop of the exit window's order, each referral box by its name.
for stop in "${exit_stops[@]:1}"; do
    press key Tab
    hear "$(heard_as "$stop")"
done
chord x alt
expect_status_zero "Alt+X on the exit window"
# Gone before the next test starts its own.
kill "$ORCA_PID"
wait_for_exit "$ORCA_PID" || fail "Orca did not stop"
echo "orca: passed"
