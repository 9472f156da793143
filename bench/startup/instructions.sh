#!/usr/bin/env bash
# Instructions from launch to the first frame, Velloran against the bare Qt window: a count
# that does not depend on the machine's load. Each runs once under callgrind (all threads,
# the dynamic loader included) on Xvfb with fresh user folders, and first_frame.so, preloaded,
# ends it as soon as its first window has been exposed and painted. Prints both totals, the
# ratio, and Velloran's count step by step (inclusive: a step counts what it calls).
# Usage: bench/startup/instructions.sh [--keep FOLDER]   (keeps callgrind's files there)
set -euo pipefail
cd "$(dirname "$0")/../.."
keep=
[[ ${1:-} == --keep ]] && keep=$2
command -v valgrind >/dev/null || { echo "valgrind is needed (scripts/setup.sh --test)" >&2; exit 1; }
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELLORAN_TESTS=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)" --target velloran bare_window first_frame >/dev/null

work=$(mktemp -d)
trap 'kill ${XVFB_PID:-} 2>/dev/null; rm -rf "$work"' EXIT
source scripts/xvfb.sh
start_xvfb "$work" || { echo "no X display could be started" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

count() { # name program -> callgrind's file in $work/name.out
    local home=$work/$1
    mkdir -p "$home/config" "$home/runtime" && chmod 700 "$home/runtime"
    # Without a session bus, D-Bus forks to look for one (both programs alike): callgrind writes
    # a file for that child too, with the parent's count before the fork. Only the program's own
    # process, valgrind's, counts.
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        LD_PRELOAD=$PWD/build/bench/bench/startup/first_frame.so \
        valgrind --tool=callgrind --callgrind-out-file="$work/$1.%p.out" "$2" 2>"$work/$1.log" &
    local pid=$!
    wait "$pid" || true
    [[ -s $work/$1.$pid.out ]] || { cat "$work/$1.log" >&2; exit 1; }
    mv "$work/$1.$pid.out" "$work/$1.out"
}
total() { callgrind_annotate "$work/$1.out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'; }

count bare build/bench/bench/startup/bare_window
count velloran build/bench/velloran
bare=$(total bare) ours=$(total velloran)
printf 'instructions to the first frame\n'
printf '  bare Qt window: %14s\n' "$(LC_ALL=en_US.UTF-8 printf "%'d" "$bare" 2>/dev/null || echo "$bare")"
printf '  Velloran:       %14s\n' "$(LC_ALL=en_US.UTF-8 printf "%'d" "$ours" 2>/dev/null || echo "$ours")"
awk -v a="$ours" -v b="$bare" 'BEGIN { printf "  ratio: %.3fx (%+.1f M)\n", a / b, (a - b) / 1e6 }'

# A function's inclusive count (what it calls included), in millions, and its share of the whole.
callgrind_annotate --inclusive=yes --threshold=100 "$work/velloran.out" >"$work/velloran.txt"
callgrind_annotate --inclusive=yes --threshold=100 "$work/bare.out" >"$work/bare.txt"
step() { # program label function (as callgrind names it, up to its arguments)
    local all=$ours
    [[ $1 == bare ]] && all=$bare
    awk -v label="$2" -v fn="$3" -v all="$all" '
        { line = $0; sub(/^ +/, "", line); split(line, f, " ") }
        (index($0, ":" fn "(") || index($0, ":" fn " [")) && !done {
            n = f[1]; gsub(",", "", n)
            printf "  %-52s %7.2f M %5.1f%%\n", label, n / 1e6, 100 * n / all; done = 1 }
        END { if (!done) printf "  %-52s %7s\n", label, "-" }' "$work/$1.txt"
}
printf '\nthe bare window (inclusive, millions of instructions)\n'
step bare "before main: loader, libraries' constructors" "_dl_start"
step bare "QApplication (platform, screens, theme)" "QApplication::QApplication"
step bare "Qt's font database, met first by the tab bar" "QFontDatabasePrivate::ensureFontDatabase"
step bare "first show" "QWidget::show"
step bare "painting the first frame" "QWidgetRepaintManager::sync"
printf '\nVelloran step by step\n'
step velloran "before main: loader, libraries' constructors" "_dl_start"
step velloran "main" "main"
step velloran "  QApplication (platform, screens, theme)" "QApplication::QApplication"
step velloran "  focus style" "FocusStyle::install"
step velloran "  program icon (decoding its sizes)" "AppInfo::programIcon"
step velloran "  start-up sequence" "frmStartup::RunStartup"
step velloran "    single-instance lock" "QtSystemServices::anotherInstanceRunning"
step velloran "    update reminder (first start: the date)" "ShowUpdateReminder"
step velloran "    main window: construction" "frmMain::frmMain"
step velloran "      menus" "frmMain::buildMenus"
step velloran "      forum banner (fitting its line)" "ForumBanner::ForumBanner"
step velloran "        Qt's font database, met first here" "QFontDatabasePrivate::ensureFontDatabase"
step velloran "      pages and tabs" "frmMain::buildPages"
step velloran "        tab captions measured (reference tabs' too)" "TabControl::setTabCaption"
step velloran "        calendar page" "CalendarPage::CalendarPage"
step velloran "        reference pages" "ReferencePages::build"
step velloran "      outreach band" "FullBrandFrame::FullBrandFrame"
step velloran "      client size fixed" "WindowPlacement::fixClientSize"
step velloran "    main window: load steps" "frmMain::Form_Load"
step velloran "    shows (polishing every widget, native window)" "QWidget::show"
step velloran "  event loop to the first frame" "QCoreApplication::exec"
step velloran "    painting the first frame" "QWidgetRepaintManager::sync"
step velloran "      of which labels' text" "QLabel::paintEvent"
[[ -z $keep ]] || { mkdir -p "$keep" && cp "$work"/{bare,velloran}.out "$keep"/; }
