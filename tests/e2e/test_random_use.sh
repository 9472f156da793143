#!/usr/bin/env bash
# A net for what nobody thought of: seeded random use of the real program under
# a window manager (see random_use.py). VELLORAN_RANDOM_SEED repeats a run;
# VELLORAN_RANDOM_SECONDS sets its length (15 s unless told). Given the Windows
# setup program, it installs it under Wine, which has no accessibility bus, and
# uses the program by X input alone.
accessibility=1
[[ ${1:-} == *.exe ]] && accessibility=
E2E_ACCESSIBILITY=$accessibility source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x
e2e_start_window_manager
if [[ -n $accessibility ]]; then
    e2e_start_accessibility
else
    e2e_install_windows
    export VELLORAN_RANDOM_INPUT=x
fi
seed=${VELLORAN_RANDOM_SEED:-$(date +%s%N | cut -c 10-18)}
/usr/bin/python3 "$(dirname "$0")/random_use.py" "$VELLORAN_BIN" "$seed" \
    "${VELLORAN_RANDOM_SECONDS:-15}" "$E2E_DIR/app.log" "$OPENED" || fail "random use, seed $seed"
echo "random use: passed (seed $seed)"
