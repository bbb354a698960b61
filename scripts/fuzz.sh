#!/usr/bin/env bash
# Runs every fuzz harness for longer than CI does: scripts/fuzz.sh [seconds per harness]
# New crash inputs land in build/fuzz/tests/fuzz/<harness>-crash-*; copy each into
# tests/fuzz/regressions/<harness>/ once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}

TAVU_SETUP_FUZZ=1 scripts/setup.sh
cmake --preset fuzz -DTAVU_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
ctest --preset fuzz -j "$(nproc)" --timeout $((seconds * 2 + 60))
