#!/usr/bin/env bash
# Kills a program recording draws in the history with SIGKILL at random moments, and after
# every kill checks the file: PRAGMA integrity_check is ok, every draw whose record returned
# is there, no row is torn, nothing was set aside.
#   scripts/history_crash.sh [kills, default 1000]
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-1000}

cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target tavu_history_writer >/dev/null
writer=build/dev/bin/tavu_history_writer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

unsound=0 lost=0 torn=0 faults=0
for ((kill = 0; kill < kills; kill++)); do
    # A new file every 25 kills, so that the first writer of a file is killed too.
    if ((kill % 25 == 0)); then
        file=$work/history-$kill.sqlite3
        ids=$work/ids-$kill
        : >"$ids"
    fi
    "$writer" record "$file" "$RANDOM" >>"$ids" &
    pid=$!
    sleep "$(printf '0.%03d' $((RANDOM % 40)))"
    kill -KILL "$pid"
    status=0
    { wait "$pid"; } 2>/dev/null || status=$? # quiet: the shell would report the kill
    ((status == 137)) || faults=$((faults + 1)) # it stopped by itself: a draw went unrecorded
    read -r sound l t < <("$writer" check "$file" "$ids" || true)
    unsound=$((unsound + (sound == 1 ? 0 : 1)))
    lost=$((lost + l))
    torn=$((torn + t))
done

confirmed=$(cat "$work"/ids-* | wc -l)
aside=$(find "$work" -name '*.sqlite3.*' ! -name '*-wal' ! -name '*-shm' | wc -l)
echo "  kills $kills, draws confirmed $confirmed, lost $lost, torn $torn, integrity failures $unsound," \
    "writer faults $faults, set aside $aside"
((unsound + lost + torn + faults + aside == 0))
