#!/bin/bash
# Takes the pictures of the save dialog, the help window and the download tab with no update
# site set, as a player meets them, by driving the window under Xvfb with xdotool.
#
#   xvfb-run -a -s "-screen 0 1280x900x24" docs/dialog_screenshots.sh [BUILD_DIR]
set -eu

BIN="${1:-build/dev}/bin"
OUT=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cp -r "$BIN/system" "$WORK/system"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data"
export XDG_RUNTIME_DIR="$WORK/runtime" LANG=ja_JP.UTF-8
mkdir -p "$HOME/Documents" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$BIN/tavu" --system "$WORK/system" &
PID=$!
sleep 4
MAIN=$(xdotool search --onlyvisible --name "TAVU for DS" | head -1)
xdotool windowmove "$MAIN" 0 0
sleep 0.5

# Creature page: tick the output box and press OK; the save dialog opens in Documents.
xdotool mousemove 33 198 click 1 && sleep 0.5
xdotool mousemove 176 364 click 1 && sleep 3
DIALOG=$(xdotool search --onlyvisible --name "." | grep -v "^$MAIN$" | tail -1)
xdotool windowmove "$DIALOG" 90 70 && sleep 1
import -window root -crop 760x560+0+0 "$OUT/save-dialog.png"
xdotool key Escape && sleep 1

# Download tab, then its download button, with the build's placeholder site.
xdotool mousemove 548 34 click 1 && sleep 1
xdotool mousemove 580 380 click 1 && sleep 2
import -window root -crop 632x423+0+0 "$OUT/download-no-site.png"

xdotool key F1 && sleep 2
import -window root -crop 720x540+0+0 "$OUT/help-window.png"
