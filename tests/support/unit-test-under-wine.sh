#!/bin/sh
# Runs one unit test program under Wine: WINE PROGRAM. It passes only if the program ended with
# status 0 after Qt Test printed its totals with nothing failed. Wine once ended a test program
# before it had tested anything, with no output and no error status; that must not count as a pass.
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || exit "$status"
if ! printf '%s\n' "$output" | grep -Eq '^Totals: [0-9]+ passed, 0 failed'; then
    echo "no totals from Qt Test: the program ended before it had run its tests" >&2
    exit 1
fi
