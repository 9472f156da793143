#!/usr/bin/env bash
# Plants single-point faults in a private copy of src/ and counts how many the unit suite
# catches: scripts/mutation-probe.sh [--seed N] [--count N] [--list] [--only PATH].
# The working tree and its build folders are left alone; the copy and its build live in
# build/mutation/.
set -euo pipefail
exec python3 "$(dirname "$0")/../bench/mutation/probe.py" "$@"
