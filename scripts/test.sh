#!/usr/bin/env bash
# Sets up the machine, builds every target with warnings as errors and runs every test,
# then runs the core and command-line tests again under AddressSanitizer and UBSan, and
# every fuzz harness for a short fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."

TAVU_SETUP_FUZZ=1 scripts/setup.sh
jobs=$(nproc)

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs" -LE fuzz

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" -LE fuzz

cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"
