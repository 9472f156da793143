#!/usr/bin/env bash
# The main journeys on weston headless, the program native on Wayland.
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/desktop_journey.sh"
e2e_start_accessibility
e2e_start_weston
desktop_journey
echo "desktop wayland_weston: passed"
