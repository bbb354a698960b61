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

# Draws back to back from `seed` on, in a process group of their own so that one kill stops
# the burst and the run it waits for at the same moment. The code of a run that returned 0
# is added to the confirmed list; a returned run that said more than its seed and code (a
# notice of the history) is counted as told.
burst() {
    local file=$1 seed=$2
    # Small and large records, every kind of draw.
    local draws=("spell single" "creature multiple --count 20" "book" "item single --copies 2"
        "map --map 0 --magic 6000,9000 --sudden-death 1" "cpu --count 2" "book --fully-random")
    while true; do
        seed=$((seed + 1))
        local err=$work/err-$seed
        # shellcheck disable=SC2086
        if "$cli" --record --history "$file" --seed "$seed" ${draws[seed % ${#draws[@]}]} >/dev/null 2>"$err"; then
            sed -n 's/^code //p' "$err" >>"$work/confirmed-$file_number"
            (($(wc -l <"$err") == 2)) || echo "$seed" >>"$work/told"
        fi
        rm -f "$err"
    done
}
export -f burst
export cli work

unsound=0 lost=0 seed=0
: >"$work/told"
for ((kill = 0; kill < kills; kill++)); do
    # A new file every 50 kills, so that runs are killed while they make the file too.
    if ((kill % 50 == 0)); then
        export file_number=$kill
        file=$work/history-$kill.sqlite3
        : >"$work/confirmed-$kill"
    fi
    setsid bash -c 'burst "$@"' burst "$file" "$seed" &
    group=$!
    sleep "$(printf '0.%03d' $((RANDOM % 400)))"
    # A burst killed before it made its group is killed by its id; the group is killed again
    # until nothing of it is left.
    kill -KILL -- -"$group" 2>/dev/null || kill -KILL "$group" 2>/dev/null || true
    { wait "$group"; } 2>/dev/null || true
    while kill -0 -- -"$group" 2>/dev/null; do
        kill -KILL -- -"$group" 2>/dev/null || true
        sleep 0.01
    done
    seed=$((seed + 1000))

    # A run killed before it made the file, or before its table, leaves nothing to check.
    recorded=""
    if [[ -e $file ]]; then
        [[ $(sqlite3 "$file" 'PRAGMA integrity_check') == ok ]] || unsound=$((unsound + 1))
        recorded=$(sqlite3 "$file" 'SELECT code FROM draws' 2>/dev/null | sort || true)
    fi
    missing=$(comm -23 <(sort -u "$work/confirmed-$file_number") <(echo "$recorded"))
    [[ -z $missing ]] || { lost=$((lost + $(wc -l <<<"$missing"))); echo "lost after kill $kill: $missing" >&2; }
done

confirmed=$(cat "$work"/confirmed-* | wc -l)
told=$(wc -l <"$work/told")
rows=0
for f in "$work"/history-*.sqlite3; do
    rows=$((rows + $(sqlite3 "$f" 'SELECT count(*) FROM draws' 2>/dev/null || echo 0)))
done
aside=$(find "$work" -name 'history-*.sqlite3.*' ! -name '*-wal' ! -name '*-shm' | wc -l)
echo "  kills $kills, draws returned $confirmed, rows in the files $rows, lost $lost," \
    "integrity failures $unsound, notices $told, set aside $aside"
((unsound + lost + told + aside == 0))
