#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in four passes, the
# first three presets of CMakePresets.json:
#   1. main: the release-like build with warnings as errors: unit, widget and
#      end-to-end tests, after a check that the sources keep the house format;
#   2. sanitize: the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. fuzz: the libFuzzer targets (clang), each for a bounded number of runs;
#   4. windows: the Windows build (scripts/build-windows.sh): the unit tests and, from its
#      setup program, the installed program under Wine. The first run on a machine builds
#      Qt for Windows (half an hour); later runs reuse it;
#   5. debian13: the main pass's build and suite inside a Debian 13 root with Qt 6.8
#      (scripts/test-debian-root.sh 13; needs root).
# VELLORAN_TEST_PASSES picks passes, e.g. "main" for a quick run (default: all that the
# machine's Debian release runs). One more runs only when asked for, before a release:
#   testing: the same inside a Debian testing root with Qt 6.11 (scripts/test-debian-root.sh
#      testing), the release after Debian 13.
#
# The sanitize preset's options: leaks inside the system's font and accessibility
# libraries are not ours (tests/sanitizer/lsan.supp). GCC 12's leak checker
# misreads the dynamic TLS of an unloaded plugin on glibc 2.36 and crashes at
# exit ("Tracer caught signal 11", a bogus DTLS range); not tracking
# __tls_get_addr avoids that and can only add reports.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
# The Windows build takes its host tools from Debian 12's Qt 6.4.2, and the Debian 13 pass is the
# main pass of a Debian 13 machine: both belong to Debian 12's defaults only.
default_passes="main sanitize fuzz"
if [[ $(. /etc/os-release && echo "${VERSION_CODENAME:-}") == bookworm ]]; then
    default_passes+=" windows debian13"
fi
passes=${VELLORAN_TEST_PASSES:-$default_passes}

run_pass() { # preset
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --parallel "$(nproc)"
    ctest --preset "$1"
}

for pass in $passes; do
    echo "=== test pass: $pass"
    started=$SECONDS
    case $pass in
    main)
        scripts/check-format.sh
        run_pass main ;;
    sanitize|fuzz)
        run_pass "$pass" ;;
    windows)
        scripts/build-windows.sh --tests
        ctest --test-dir build/windows --output-on-failure --timeout 600 ;;
    debian13)
        scripts/test-debian-root.sh 13 ;;
    testing)
        scripts/test-debian-root.sh testing ;;
    *)
        echo "unknown test pass: $pass" >&2; exit 2 ;;
    esac
    echo "=== test pass: $pass passed in $((SECONDS - started)) s"
done
