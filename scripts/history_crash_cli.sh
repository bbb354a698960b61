#!/usr/bin/env bash
# Runs bursts of real `tavu-cli --record` draws into one history and kills the running one
# with SIGKILL at a random moment, over and over. After every kill the file must pass
# PRAGMA integrity_check and hold every draw whose command returned 0 (matched by its
# code), with nothing set aside and no draw told that the history failed.
#   scripts/history_crash_cli.sh [kills, default 1000]
# Needs the sqlite3 shell (Debian package sqlite3) to check the file from outside.
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-1000}

cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target tavu-cli tavu_system_folder >/dev/null
cli=$PWD/build/dev/bin/tavu-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Nothing reaches the user's own folders.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"

# Small and large records, every kind of draw.
draws=("spell single" "creature multiple --count 20" "book" "item single --copies 2"
    "map --map 0 --magic 6000,9000 --sudden-death 1" "cpu --count 2" "book --fully-random")

# Draws back to back from `seed` on. Each run's pid is written before it is waited for;
# the code of a run that returned 0 is added to the confirmed list, and a returned run that
# said more than its seed and code (a notice of the history) is counted as told.
burst() {
    local file=$1 seed=$2 err=$work/err
    while true; do
        seed=$((seed + 1))
        # shellcheck disable=SC2086
        "$cli" --record --history "$file" --seed "$seed" ${draws[seed % ${#draws[@]}]} >/dev/null 2>"$err" &
        echo $! >"$work/pid"
        if wait $!; then
            sed -n 's/^code //p' "$err" >>"$work/confirmed"
            (($(wc -l <"$err") == 2)) || echo told >>"$work/told"
        fi
    done
}

unsound=0 lost=0 seed=0
: >"$work/confirmed"
: >"$work/told"
for ((kill = 0; kill < kills; kill++)); do
    # A new file every 50 kills, so that runs are killed while they make the file too.
    ((kill % 50 == 0)) && file=$work/history-$kill.sqlite3 && : >"$work/confirmed-here"
    : >"$work/pid"
    start=$(wc -l <"$work/confirmed")
    burst "$file" "$seed" &
    runner=$!
    sleep "$(printf '0.%03d' $((RANDOM % 400)))"
    # The runner first, so that it starts no other run; then the run it was waiting for.
    kill -KILL "$runner"
    { wait "$runner"; } 2>/dev/null || true
    running=$(cat "$work/pid")
    [[ -n $running ]] && { kill -KILL "$running" 2>/dev/null || true; }
    while [[ -n $running ]] && kill -0 "$running" 2>/dev/null; do sleep 0.01; done
    seed=$((seed + 1000))
    tail -n +$((start + 1)) "$work/confirmed" >>"$work/confirmed-here"

    # A run killed before it made the file, or before its table, leaves nothing to check.
    recorded=""
    if [[ -e $file ]]; then
        [[ $(sqlite3 "$file" 'PRAGMA integrity_check') == ok ]] || unsound=$((unsound + 1))
        recorded=$(sqlite3 "$file" 'SELECT code FROM draws' 2>/dev/null | sort || true)
    fi
    missing=$(comm -23 <(sort -u "$work/confirmed-here") <(echo "$recorded") | wc -l)
    lost=$((lost + missing))
done

confirmed=$(wc -l <"$work/confirmed")
told=$(wc -l <"$work/told")
rows=0
for f in "$work"/history-*.sqlite3; do
    rows=$((rows + $(sqlite3 "$f" 'SELECT count(*) FROM draws' 2>/dev/null || echo 0)))
done
aside=$(find "$work" -name 'history-*.sqlite3.*' ! -name '*-wal' ! -name '*-shm' | wc -l)
echo "  kills $kills, draws returned $confirmed, rows in the files $rows, lost $lost," \
    "integrity failures $unsound, notices $told, set aside $aside"
((unsound + lost + told + aside == 0))
