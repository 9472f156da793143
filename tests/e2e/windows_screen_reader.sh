#!/usr/bin/env bash
# What a Windows screen reader (Narrator, NVDA, JAWS) is told of the installed Windows build,
# read through UI Automation under Wine 10 by a client of our own (tests/uia/uia_client.cpp,
# cross-built here): the tree of each window as a screen reader meets it, and every change of
# focus while the program is used by keyboard alone. Each stop of the keyboard must give a focus
# event with the name and role of keyboard_stops.tsv (the names Orca hears on Linux) in the
# window that names itself by its title; Tab goes round in that order; every control that the
# tree offers to the keyboard is reached by it; the month view's days are full dates with their
# festivals. The text is a size larger than the windows were laid out for, so that the result
# window's list of festivals overflows its box and is a stop too. Wine's UI Automation has no
# control patterns (checked, selected, values) and no focused element to ask for, so the states
# are not read and focus is followed by its events.
# Usage: windows_screen_reader.sh SETUP_PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
e2e_start_x
e2e_start_window_manager
e2e_install_windows
e2e_larger_text_in_prefix

client=$E2E_DIR/uia_client.exe
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -Wextra -Werror -static -o "$client" \
    "$E2E_HERE/../uia/uia_client.cpp" -lole32 -loleaut32 -luuid || fail "the UI Automation client did not build"
FOCUS=$E2E_DIR/focus.txt
wine "$client" focus >"$FOCUS" 2>"$E2E_DIR/uia.log" &
E2E_PIDS+=($!)
retry 600 grep -qx ready "$FOCUS" || fail "the UI Automation client did not start"

# UI Automation's control type for each role of keyboard_stops.tsv.
declare -A CONTROL_TYPE=([tab]=TabItem [button]=Button [radio]=RadioButton [link]=Hyperlink
                         [check]=CheckBox [image]=Image [text]=Edit [pane]=Pane)
MARK=0
# Sends keys (xdotool key syntax) and follows the focus from then on.
press() {
    MARK=$(wc -l <"$FOCUS")
    xdotool key --delay 150 "$@"
}
# The focus events since the last key, without the word "focus": type, name, window, its type,
# its handle.
focused() { tail -n +"$((MARK + 1))" "$FOCUS" | sed -n 's/^focus\t//p'; }
# The control that has the focus since the last key: the last event but for a window's own (Wine
# may report a window's activation after the focus it gives back to a control) and an element's
# that was gone by the time it was asked (a menu closing).
settled() { focused | awk -F'\t' '$1 != "Window" && $1 != "Gone"' | tail -n 1; }
# Waits up to 10 s for the focus to settle on the control of that type and name (or one of the
# names split by "|"), in a window of that title (the main window's unless told) that UI
# Automation knows as a window.
focus_is() {
    local -a names wanted
    local name
    IFS='|' read -r -a names <<<"$2"
    for name in "${names[@]}"; do
        wanted+=("$1"$'\t'"$name"$'\t'"${3:-Velloran v1.95}"$'\t'"${4:-Window}")
    done
    for _ in $(seq 100); do
        for name in "${wanted[@]}"; do
            [[ $(settled | cut -f1-4) == "$name" ]] && return 0
        done
        sleep 0.1
    done
    fail "the focus is not on '$2' ($1) in '${3:-Velloran v1.95}'; the events were: $(focused | cut -f1-3 | tr '\t\n' ' |')"
}
# Waits up to 10 s for a window to be announced by its title as it opens, and for the focus to
# be on the control of that type and name in that same window (by its handle: the windows share
# titles). Wine may report the window's activation after the control's focus, so their order is
# not checked.
window_opens() { # title type name
    local handle
    for _ in $(seq 100); do
        handle=$(focused | awk -F'\t' -v w="$1" -v t="$2" -v n="$3" \
                     '$1 == t && $2 == n && $3 == w && $4 == "Window" { h = $5 } END { print h }')
        [[ -n $handle ]] && focused | awk -F'\t' -v w="$1" -v h="$handle" \
            '$1 == "Window" && $2 == w && $3 == w && $4 == "Window" && $5 == h { found = 1 } END { exit !found }' \
            && return 0
        sleep 0.1
    done
    fail "'$1' did not open with the focus on '$3' ($2); the events were: $(focused | cut -f1-3 | tr '\t\n' ' |')"
}
# The stop of keyboard_stops.tsv given as "role<TAB>name", in the window titled $2.
focus_on_stop() { focus_is "${CONTROL_TYPE[${1%%$'\t'*}]}" "${1#*$'\t'}" "${2:-Velloran v1.95}"; }
# Tab from the first stop of the window's list round to it again, each stop in its turn; then
# Shift+Tab goes back to the last.
tab_round() { # window [title]
    local title=${2:-Velloran v1.95}
    local -a list
    mapfile -t list < <(stops "$1")
    local stop
    for stop in "${list[@]:1}" "${list[0]}"; do
        press Tab
        focus_on_stop "$stop" "$title"
    done
    press shift+Tab
    focus_on_stop "${list[-1]}" "$title"
    press Tab
    focus_on_stop "${list[0]}" "$title"
}
# The tree of the window that has the focus, as a screen reader walks it, into tree.txt: depth,
# control type, name, access key, enabled, keyboard focusable. Its root must be a window with
# the title given.
TREE=$E2E_DIR/tree.txt
read_tree() {
    timeout 120 wine "$client" tree >"$TREE" 2>>"$E2E_DIR/uia.log" || fail "the tree of '$1' could not be read"
    [[ $(head -n 1 "$TREE" | cut -f1-3) == 0$'\t'Window$'\t'"$1" ]] \
        || fail "the window read as '$(head -n 1 "$TREE" | cut -f2-3)', not as the window '$1'"
    # Nothing inside reads as a window of its own: a screen reader would say it entered one.
    if awk -F'\t' '$1 > 0 && $2 == "Window"' "$TREE" | grep -q .; then
        fail "'$1' holds a window: $(awk -F'\t' '$1 > 0 && $2 == "Window" { print $3 }' "$TREE")"
    fi
    # Every element a screen reader may land on, and every control, says what it is.
    awk -F'\t' '$3 == "" && ($6 == 1 || $2 ~ /^(Button|Tab|TabItem|MenuBar|MenuItem|Hyperlink|CheckBox|RadioButton|Edit|Table|DataItem)$/) {
                     bad = 1; print "an unnamed " $2 " at depth " $1 > "/dev/stderr" }
                 END { exit bad }' "$TREE" || fail "'$1' has controls with no name"
}
# Every control that the tree offers to the keyboard has had the focus at some time; of the
# month view, whose days the arrows walk, only the days visited.
all_reached() {
    local type name
    while IFS=$'\t' read -r type name; do
        grep -qF "focus"$'\t'"$type"$'\t'"$name"$'\t' "$FOCUS" || fail "'$name' ($type) cannot be reached by keyboard"
    done < <(awk -F'\t' '$1 > 0 && $5 == 1 && $6 == 1 && $2 !~ /^(Table|Header|DataItem)$/ { print $2 "\t" $3 }' "$TREE")
}

app_start
main_window=$(wait_for_window "Velloran v1.95" none 600) || fail "the main window did not appear"
window_opens "Velloran v1.95" TabItem "Pagan Calendar"
read_tree "Velloran v1.95"
grep -qxF $'2\tMenuItem\tFile\tAlt+F\t1\t0' "$TREE" || fail "the File menu has no access key"
grep -qxF $'5\tButton\tShow Pagan Calendar\tAlt+C\t1\t1' "$TREE" || fail "Show Pagan Calendar has no access key"
tab_round main
# The years: the arrows go from option to option, as in every group of options.
press Tab Tab Tab; focus_is RadioButton 2006
press Right; focus_is RadioButton 2007
press Right; focus_is RadioButton 2008
press Left; focus_is RadioButton 2007

# With no year chosen, a message box says so, read as a window of its own with its text.
press Tab alt+c; window_opens Velloran Button OK
read_tree Velloran
grep -qF $'\tText\tPlease Select A Year\t' "$TREE" || fail "the message box's text is not read"
press Return; focus_is Button "Show Pagan Calendar"

# Each page by Ctrl+Tab; each group's entries by the arrows, each by its title.
for page in "Pagan Information" "Pagan Festive Seasons" "Pagan Elements" "Pagan Gods" "Pagan Goddesses"; do
    press ctrl+Tab; focus_is TabItem "$page"
    read_tree "Velloran v1.95"
    mapfile -t entries < <(awk -F'\t' '$1 == 6 && $2 == "TabItem" { print $3 }' "$TREE")
    if ((${#entries[@]} > 0)); then
        press Tab; focus_is TabItem "${entries[0]}"
        for entry in "${entries[@]:1}"; do
            press Right; focus_is TabItem "$entry"
        done
        press shift+Tab; focus_is TabItem "$page"
    fi
done
press ctrl+Tab; focus_is TabItem "Pagan Calendar"
read_tree "Velloran v1.95"
all_reached

# December 2007 in the result window: the month, then each day as a full date and its festival.
press Tab Tab Tab; focus_is RadioButton 2007
press space Tab; focus_is Button "Show Pagan Calendar"
press space
window_opens "Velloran v1.95" DataItem "Sunday, 2 December 2007, festival: Feast of Rhiannon"
read_tree "Velloran v1.95"
grep -qxF $'3\tTable\tMonth of the festivals, December 2007\t\t1\t1' "$TREE" \
    || fail "the month view does not name its month"
press Home; focus_is DataItem "Saturday, 1 December 2007"
press End; focus_is DataItem "Monday, 31 December 2007"
press Left; focus_is DataItem "Sunday, 30 December 2007"
# The month steps: Page Down and Page Up.
press Page_Down; focus_is DataItem "Wednesday, 30 January 2008"
press Page_Up; focus_is DataItem "Sunday, 30 December 2007"
press Up; focus_is DataItem "Sunday, 23 December 2007, festival: Yuletide Tree and Elder Festival"
# Tab goes round the list of festivals, which overflows its box, and the links, back to the day.
mapfile -t result_stops < <(stops result)
for stop in "${result_stops[@]}"; do
    press Tab; focus_on_stop "$stop"
done
press Tab; focus_is DataItem "Sunday, 23 December 2007, festival: Yuletide Tree and Elder Festival"
all_reached

press alt+f; focus_is MenuItem Back File Menu
press b; focus_is TabItem "Pagan Calendar"

# Help > About: its OK first, then its two links.
press alt+h; focus_is MenuItem "Online Help" Help Menu
press a; window_opens "Velloran v1.95" Button OK
read_tree "Velloran v1.95"
tab_round about
all_reached
press Return; focus_is TabItem "Pagan Calendar"

# File > Exit: the exit window, each referral box by its name, and the message of a referral
# that is not filled in.
press alt+f; focus_is MenuItem Exit File Menu
press x; window_opens "Velloran v1.95" Button Exit
read_tree "Velloran v1.95"
grep -qF $'\tGroup\tRefer A Friend\t' "$TREE" || fail "the referral form is not named"
tab_round exit
all_reached
press alt+n; window_opens Velloran Button OK
read_tree Velloran
grep -qF $'\tText\tPlease Enter Proper Email Address\t' "$TREE" || fail "the message box's text is not read"
press Return; focus_is Button Exit

# No stop, anywhere, was nameless (an element gone by the time it was asked is not a stop).
nameless=$(awk -F'\t' '$1 == "focus" && $2 != "Gone" && $3 == "" { print $2 }' "$FOCUS" | sort -u)
[[ -z $nameless ]] || fail "focus went to controls with no name: $nameless"
press alt+x
expect_status_zero "the exit window's E&xit"
echo "windows screen reader: passed"
