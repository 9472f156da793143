#!/usr/bin/env bash
# Ends the Windows build under Wine many times over and counts what went wrong, for a fault
# as a program ends that shows only now and then. With the machine kept busy (every core
# running a busy loop beside it, unless VELLORAN_STRESS_IDLE=1):
#   scripts/windows-exit-stress.sh suite N [JOBS]   the unit suite, N runs of ctest -jJOBS (2),
#                                                   no second tries;
#   scripts/windows-exit-stress.sh program N        the installed program (from the setup
#                                                   program, under openbox) started N times and
#                                                   ended through File > Exit > Exit, and N times
#                                                   through the exit window's close box.
# The build is build/windows unless VELLORAN_WINDOWS_BUILD names another. A fault is a run that
# ends with another status than 0 or whose output holds Wine's report of a crash; a hang is a
# test program past its timeout, or a program still running 20 s after it was told to end.
# Prints one line a run and the counts; fails if any is not 0. The logs of the runs that went
# wrong are kept in the build's exit-stress folder.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:?suite or program} runs=${2:?number of runs} jobs=${3:-2}
build=${VELLORAN_WINDOWS_BUILD:-build/windows}
logs=$PWD/$build/exit-stress
mkdir -p "$logs"
crash_report='Unhandled exception|Unhandled page fault|wine: Assertion|err:seh'

busy=()
if [[ -z ${VELLORAN_STRESS_IDLE:-} ]]; then
    for _ in $(seq "$(nproc)"); do
        (while :; do :; done) &
        busy+=($!)
    done
fi
stop_busy() { ((${#busy[@]})) && kill "${busy[@]}" 2>/dev/null; true; }

faults=0 hangs=0
if [[ $mode == suite ]]; then
    trap stop_busy EXIT
    for run in $(seq "$runs"); do
        log=$logs/suite-$run.log
        status=0
        ctest --test-dir "$build" -L unit -j"$jobs" --output-on-failure --timeout 120 \
            >"$log" 2>&1 || status=$?
        timeouts=$(grep -c '\*\*\*Timeout' "$log" || true)
        failed=$(grep -cE '\*\*\*(Failed|Exception)' "$log" || true)
        grep -qE "$crash_report" "$log" && ((failed == 0)) && failed=1
        ((hangs += timeouts, faults += failed)) || true
        echo "suite run $run: status $status, $failed failed, $timeouts hung"
        ((status == 0 && failed == 0 && timeouts == 0)) && rm -f "$log"
    done
    echo "suite: $runs runs, $faults faults, $hangs hangs"
    ((faults + hangs == 0))
    exit
fi

[[ $mode == program ]] || { echo "unknown mode: $mode" >&2; exit 2; }
setup=("$build"/Velloran-*-win64.exe)
source tests/e2e/lib.sh "${setup[0]}"
trap 'stop_busy; e2e_cleanup' EXIT
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
e2e_start_x
e2e_start_window_manager
e2e_install_windows

# One start and end; $1 names the road out. Returns 0, or 1 for a fault, 2 for a hang.
start_and_end() {
    local road=$1 main exit_window status=0
    : >"$E2E_DIR/app.log"
    app_start
    main=$(wait_for_window "Velloran v1.95" none 600) || { echo "no main window"; return 1; }
    send_keys "$main" alt+f x
    exit_window=$(wait_for_window "Velloran v1.95" "$main" 300) || { echo "no exit window"; return 1; }
    if [[ $road == close-box ]]; then
        wmctrl -i -c "$exit_window"
    else
        send_keys "$exit_window" alt+x
    fi
    if ! retry 200 ended "$APP_PID"; then
        kill "$APP_PID" 2>/dev/null
        wineserver -k
        return 2
    fi
    wait "$APP_PID" || status=$?
    if ((status != 0)) || grep -qE "$crash_report" "$E2E_DIR/app.log"; then
        echo "status $status"
        return 1
    fi
}

for road in exit-button close-box; do
    for run in $(seq "$runs"); do
        outcome=0
        start_and_end "$road" >"$E2E_DIR/outcome" || outcome=$?
        case $outcome in
        0) echo "$road run $run: ended, status 0" ;;
        1) ((++faults)); echo "$road run $run: FAULT $(cat "$E2E_DIR/outcome")"
           cp "$E2E_DIR/app.log" "$logs/$road-$run.log" ;;
        2) ((++hangs)); echo "$road run $run: HANG"; cp "$E2E_DIR/app.log" "$logs/$road-$run.log" ;;
        esac
    done
done
echo "program: $runs runs each road, $faults faults, $hangs hangs"
((faults + hangs == 0))
