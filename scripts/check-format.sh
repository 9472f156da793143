#!/usr/bin/env bash
# Fails when a program source strays from .clang-format; with --fix, formats them
# instead. The tests keep their hand-laid data rows: clang-format 14 would put
# every streamed literal of a QTest row on a line of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'bench/*.cpp' 'fuzz/*.cpp')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${sources[@]}"
else
    clang-format --dry-run --Werror "${sources[@]}"
fi
