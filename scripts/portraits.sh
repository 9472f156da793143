#!/usr/bin/env bash
# Writes the window portraits' references (tests/data/portraits: each window's controls as text
# and its picture without letters) from the windows as the main preset's build draws them, for
# tst_portraits to compare with. Look at every picture and read the change in the texts before
# committing them: scripts/portraits.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset main >/dev/null
cmake --build --preset main --target tst_portraits --parallel "$(nproc)"
mkdir -p tests/data/portraits
(cd build/test/tests && VELLORAN_WRITE_PORTRAITS="$PWD/../../../tests/data/portraits" \
    QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=1 ./tst_portraits)
# Written again, the build embeds the new references.
cmake --build --preset main --target tst_portraits --parallel "$(nproc)" >/dev/null
git status --short tests/data/portraits
