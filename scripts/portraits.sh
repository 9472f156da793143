#!/usr/bin/env bash
# Writes the window portraits' references (tests/data/portraits: each window's controls as text,
# its picture without letters and what its controls do) from the windows as the main preset's
# build draws them on Qt 6.4, for tst_portraits to compare with. With --all, also what Windows
# (the Windows build under Wine), Debian 13's Qt 6.8 and testing's Qt 6.11 draw otherwise, each
# into a folder of its own (scripts/test-debian-root.sh, as root; about twenty minutes each). Look at every picture and read the change in the texts before
# committing them: scripts/portraits.sh [--all]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset main >/dev/null
cmake --build --preset main --target tst_portraits --parallel "$(nproc)"
mkdir -p tests/data/portraits
(cd build/test/tests && VELLORAN_WRITE_PORTRAITS="$PWD/../../../tests/data/portraits" \
    QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=1 ./tst_portraits)
# Written again, the build embeds the new references.
cmake --build --preset main --target tst_portraits --parallel "$(nproc)" >/dev/null
if [[ ${1:-} == --all ]]; then
    scripts/build-windows.sh --tests
    VELLORAN_WRITE_PORTRAITS="Z:$PWD/tests/data/portraits" \
        ctest --test-dir build/windows -R 'wine_prefix|tst_portraits|wine_session_end' --output-on-failure
    scripts/test-debian-root.sh 13 portraits
    scripts/test-debian-root.sh testing portraits
    cmake --build --preset main --target tst_portraits --parallel "$(nproc)" >/dev/null
fi
git status --short tests/data/portraits
