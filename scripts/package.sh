#!/usr/bin/env bash
# Sets up the machine, builds what an install takes (release build) and makes the .deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target installable
(cd build/release && cpack -G DEB)
echo "Install with: sudo apt install ./$(ls build/release/tavu_*.deb)"
