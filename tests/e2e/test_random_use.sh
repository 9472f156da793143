#!/usr/bin/env bash
# A net for what nobody thought of: seeded random use of the real program under
# a window manager (see random_use.py). VELLORAN_RANDOM_SEED repeats a run;
# VELLORAN_RANDOM_SECONDS sets its length (15 s unless told).
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$@"
e2e_start_x
e2e_start_window_manager
e2e_start_accessibility
seed=${VELLORAN_RANDOM_SEED:-$(date +%s%N | cut -c 10-18)}
/usr/bin/python3 "$(dirname "$0")/random_use.py" "$VELLORAN_BIN" "$seed" \
    "${VELLORAN_RANDOM_SECONDS:-15}" "$E2E_DIR/app.log" "$OPENED" || fail "random use, seed $seed"
echo "random use: passed (seed $seed)"
