#!/usr/bin/env bash
# The main journeys on X11 with mutter as the window manager, as GNOME on Xorg.
E2E_ACCESSIBILITY=1 source "$(dirname "$0")/lib.sh" "$1"
source "$(dirname "$0")/desktop_journey.sh"
e2e_start_accessibility
e2e_start_mutter_x11
desktop_journey
echo "desktop x11_mutter: passed"
