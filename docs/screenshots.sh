#!/bin/sh
# Takes one picture of every page of the main window under a real X server (Xvfb) and
# writes them into docs/ (Japanese) or docs/en/ (English). Uses the bundled data folder when
# it has been built, else the window tests' fixture folder.
#
#   docs/screenshots.sh [BUILD_DIR] [ja|en]      (default: build/dev ja)
set -eu

BUILD=${1:-build/dev}
LANGUAGE=${2:-ja}
BIN="$BUILD/bin"
OUT=$(dirname "$0")
[ "$LANGUAGE" = ja ] || OUT="$OUT/$LANGUAGE"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

if [ -f "$BIN/system/system.tri" ]; then
    cp -r "$BIN/system" "$WORK/system"
else
    "$BIN/tavu_make_fixture" "$WORK" >/dev/null
fi
XDG_RUNTIME_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    xvfb-run -a "$BIN/tavu" --system "$WORK/system" --language "$LANGUAGE" --screenshot "$OUT"
ls "$OUT"/tab-*.png
