#!/usr/bin/env bash
# Sets up the machine, builds TAVU and starts it on the bundled data set.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tavu tavu-cli

bin=build/release/bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: the window cannot open here. Use the command line instead, for example:"
    echo "  $bin/tavu-cli creature multiple --count 20     ($bin/tavu-cli --help lists every draw)"
    exit 1
fi
exec "$bin/tavu" "$@"
