#!/bin/sh
# `tavu-cli check` of a complete-book result file against a plain `tavu-cli book` draw, each
# as a whole process: check re-reads the data folder, fingerprints its tables and draws the
# book again, and must stay within 1.5x of the draw itself. Both run RUNS times, alternating;
# the script reports the median wall time of each and checks the median of the ratios of
# paired runs, which a busy machine slows alike.
#
#   bench/check_speed.sh [BUILD_DIR] [RUNS]      (defaults: build/dev, 41)
set -eu

BUILD=${1:-build/dev}
RUNS=${2:-41}
CLI="$BUILD/bin/tavu-cli"
[ -x "$CLI" ] || { echo "missing $CLI; build tavu-cli first" >&2; exit 2; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

"$CLI" --seed 1 --sjis --footer book --fully-random >"$WORK/book.txt" 2>/dev/null
"$CLI" check "$WORK/book.txt" >/dev/null

# One run: its wall time in milliseconds.
run_once() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    awk -v us=$(( (end - start) / 1000 )) 'BEGIN { printf "%.3f\n", us / 1000 }'
}

: >"$WORK/pairs"
i=0
while [ $i -lt "$RUNS" ]; do
    book=$(run_once "$CLI" --seed $i book)
    check=$(run_once "$CLI" check "$WORK/book.txt")
    echo "$book $check" >>"$WORK/pairs"
    i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
book_wall=$(awk '{ print $1 }' "$WORK/pairs" | median)
check_wall=$(awk '{ print $2 }' "$WORK/pairs" | median)
wall_ratio=$(awk '{ print $2 / $1 }' "$WORK/pairs" | median)
echo "book:  ${book_wall} ms (median of $RUNS)"
echo "check: ${check_wall} ms"
echo "check/book: ${wall_ratio}x (median of paired runs; target 1.5x)"
awk -v r="$wall_ratio" 'BEGIN { exit !(r <= 1.5) }' || { echo "check is slower than 1.5x a book draw" >&2; exit 1; }
