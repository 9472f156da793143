#!/usr/bin/env bash
# The festival calendar through the real program, by keyboard alone: without a
# year the button only asks for one; a month and a year chosen show that month's
# festivals in the result window, the one window on screen; File > Back and
# File > Exit both bring a fresh main window back.
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x
e2e_start_window_manager
e2e_start_accessibility

visible_windows() { program_windows | wc -l; }

# Waits for the screen reader to read the expected text (atspi_common.py: focus, page, festivals).
expect_read() {
    local mode=$1 expected=$2 what=$3 actual=""
    for _ in $(seq 30); do
        actual=$(atspi "$APP_PID" "$mode")
        [[ "$actual" == "$expected" ]] && return 0
        sleep 0.2
    done
    fail "$what: expected '$expected', read '$actual'"
}

# Tabs through the window until the screen reader reports the control in focus.
tab_to() {
    local window=$1 control=$2
    for _ in $(seq 25); do
        [[ "$(atspi "$APP_PID" focus)" == "$control" ]] && return 0
        send_keys "$window" Tab
    done
    fail "Tab never reached $control"
}

# Steps to January whatever month it is, then forward, sets a year option by
# arrows and Space; all by keyboard.
choose() {
    local window=$1 steps_forward=$2 year_arrows=$3 keys=()
    tab_to "$window" "push button:<"
    for _ in $(seq 12); do keys+=(space); done
    keys+=(Tab)
    for _ in $(seq "$steps_forward"); do keys+=(space); done
    keys+=(Tab)
    for _ in $(seq "$year_arrows"); do keys+=(Right); done
    keys+=(space)
    send_keys "$window" "${keys[@]}"
}

run_in_locale() {
    local locale=$1 month=$2 first_line=$3 current_month=$4
    # Qt reads the locale from these, whether or not the C library has it.
    { export LANG=$locale LC_ALL=$locale; } 2>/dev/null
    app_start
    local main result back box
    main=$(wait_for_window "Velloran v1.95") || fail "[$locale] the main window did not appear"
    expect_read page "month=$current_month year=" "[$locale] the page on opening"

    # No year set: only the message, and the page stays as it was.
    send_keys "$main" alt+c
    box=$(wait_for_window "Velloran") || fail "[$locale] no message asking for a year"
    send_keys "$box" Return
    sleep 0.5
    [[ $(count_windows "Velloran") -eq 0 ]] || fail "[$locale] the message stayed"
    [[ $(visible_windows) -eq 1 ]] || fail "[$locale] more than the main window after the message"
    expect_read page "month=$current_month year=" "[$locale] the page after the message"

    # February 2007: one step on from January, the second year option.
    choose "$main" 1 1
    expect_read page "month=$month year=2007" "[$locale] the choice on the page"
    send_keys "$main" alt+c
    result=$(wait_for_window "Velloran v1.95" "$main") || fail "[$locale] the result window did not appear"
    expect_read festivals "$first_line" "[$locale] the festivals shown"
    sleep 0.5
    [[ $(visible_windows) -eq 1 ]] || fail "[$locale] the result window is not the only window"
    kill -0 "$APP_PID" || fail "[$locale] the program ended"

    # File > Back: a fresh main window, current month, no year.
    send_keys "$result" alt+f b
    back=$(wait_for_window "Velloran v1.95" "$result") || fail "[$locale] File > Back brought no main window"
    expect_read page "month=$current_month year=" "[$locale] the main window after Back"
    sleep 0.5
    [[ $(visible_windows) -eq 1 ]] || fail "[$locale] more than the main window after Back"

    # Once more, and out by File > Exit, which does not end the program.
    choose "$back" 1 1
    send_keys "$back" alt+c
    result=$(wait_for_window "Velloran v1.95" "$back") || fail "[$locale] the result window did not appear again"
    expect_read festivals "$first_line" "[$locale] the festivals shown again"
    send_keys "$result" alt+f x
    back=$(wait_for_window "Velloran v1.95" "$result") || fail "[$locale] File > Exit brought no main window"
    sleep 0.5
    kill -0 "$APP_PID" || fail "[$locale] File > Exit ended the program"
    [[ $(visible_windows) -eq 1 ]] || fail "[$locale] more than the main window after Exit"
    expect_read page "month=$current_month year=" "[$locale] the main window after Exit"

    kill "$APP_PID"
    wait_for_exit "$APP_PID" || fail "[$locale] the program did not stop"
}

# In German, where the page's month names and the result window must still
# agree, and the date lines of the table stay English. (The English journey is
# the screen reader's, in test_orca.sh, and the desktops', in desktop_journey.sh.)
this_month=$(date +%-m)
german_months=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
run_in_locale de_DE.UTF-8 Februar "February 2, 2007" "${german_months[this_month - 1]}"
echo "calendar: passed"
