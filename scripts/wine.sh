# Sourced by the Windows journeys and the start-up benchmark: wine_prefix FOLDER makes a Wine
# prefix there (kept if it exists) and exports WINEPREFIX for it, set up as a user's Windows:
# Verdana, which the windows are drawn in, stands for DejaVu Sans (the test display has no
# Verdana, a real Windows has); a crash ends the program with winedbg's report on stderr and
# its status, not with a dialog that waits for a click.
wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine wineboot --init
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
}
