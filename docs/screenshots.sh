#!/bin/sh
# Takes one picture of every page of the main window under a real X server (Xvfb) and
# writes them into docs/. Uses the bundled data folder when it has been built, else the
# window tests' fixture folder.
#
#   docs/screenshots.sh [BUILD_DIR]      (default: build/dev)
set -eu

BUILD=${1:-build/dev}
BIN="$BUILD/bin"
OUT=$(dirname "$0")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

if [ -f "$BIN/system/system.tri" ]; then
    cp -r "$BIN/system" "$WORK/system"
else
    "$BIN/tavu_make_fixture" "$WORK" >/dev/null
fi
XDG_RUNTIME_DIR="$WORK" xvfb-run -a "$BIN/tavu" --system "$WORK/system" --screenshot "$OUT"
ls "$OUT"/tab-*.png
