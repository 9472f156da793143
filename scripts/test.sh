#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test in four passes:
#   1. the release-like build with warnings as errors: unit, widget and end-to-end tests;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the libFuzzer targets (clang), each for a bounded number of runs;
#   4. the Windows build (scripts/build-windows.sh): the unit tests and, from its setup
#      program, the installed program under Wine. The first run on a machine builds Qt
#      for Windows (half an hour); later runs reuse it.
# VELLORAN_TEST_PASSES picks passes, e.g. "main" for a quick run (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
passes=${VELLORAN_TEST_PASSES:-main sanitize fuzz windows}
jobs=$(nproc)

run_pass() { # build-dir, then extra cmake arguments
    local dir=$1; shift
    cmake -S . -B "$dir" -DVELLORAN_TESTS=ON "$@" >/dev/null
    cmake --build "$dir" --parallel "$jobs"
    ctest --test-dir "$dir" --output-on-failure --timeout 600
}

for pass in $passes; do
    echo "=== test pass: $pass"
    case $pass in
    main)
        run_pass build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORAN_WERROR=ON ;;
    sanitize)
        # Leaks inside the system's font and accessibility libraries are not ours.
        # GCC 12's leak checker misreads the dynamic TLS of an unloaded plugin on
        # glibc 2.36 and crashes at exit ("Tracer caught signal 11", a bogus DTLS
        # range); not tracking __tls_get_addr avoids that and can only add reports.
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0
        export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        run_pass build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLORAN_WERROR=ON -DVELLORAN_SANITIZE=ON
        unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS ;;
    fuzz)
        CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORAN_FUZZ=ON \
            -DVELLORAN_TESTS=OFF >/dev/null
        cmake --build build/fuzz --parallel "$jobs" --target settings_codec_fuzzer referral_address_fuzzer
        ctest --test-dir build/fuzz -L fuzz --output-on-failure ;;
    windows)
        scripts/build-windows.sh --tests
        ctest --test-dir build/windows --output-on-failure --timeout 600 ;;
    *)
        echo "unknown test pass: $pass" >&2; exit 2 ;;
    esac
done
