#!/bin/sh
# Start-up benchmark of the main window against a bare Qt window with one empty page control.
# Both run offscreen until their first paint, RUNS times each, alternating; the script reports
# the median wall time and the median peak resident memory of each and checks the targets:
# start-up within 2x the bare window (the median of the ratios of paired runs), peak memory
# within 1.5x.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build/dev, 15)
#
# Needs the targets tavu, bench_bare_window and tavu_make_fixture. The program reads the
# bundled data folder when one has been built beside it, else a fixture folder made here.
set -eu

BUILD=${1:-build/dev}
RUNS=${2:-15}
BIN="$BUILD/bin"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

for exe in tavu bench_bare_window tavu_make_fixture; do
    [ -x "$BIN/$exe" ] || { echo "missing $BIN/$exe; build it first" >&2; exit 2; }
done

if [ -f "$BIN/system/system.tri" ]; then
    cp -r "$BIN/system" "$WORK/system"
else
    "$BIN/tavu_make_fixture" "$WORK" >/dev/null
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$WORK"

# One run: prints "milliseconds (to 0.1) kilobytes cpu-milliseconds": the time from launch to the first
# paint (which the program prints as wall-clock nanoseconds), the peak resident memory and
# the processor time of the whole run. On a busy machine the wall time mostly measures the
# waiting; the processor time shows what the program itself costs.
run_once() {
    start=$(date +%s%N)
    /usr/bin/time -f "%M %U %S" -o "$WORK/rss" "$@" >"$WORK/out" 2>/dev/null
    painted=$(awk '/^first-paint-ns/ { print $2 }' "$WORK/out")
    [ -n "$painted" ] || { echo "no first paint reported by $1" >&2; exit 2; }
    awk -v us="$(( (painted - start) / 1000 ))" '{ printf "%.1f %d %d\n", us / 1000, $1, ($2 + $3) * 1000 }' "$WORK/rss"
}

: >"$WORK/bare"
: >"$WORK/tavu"
i=0
while [ "$i" -lt "$RUNS" ]; do
    run_once "$BIN/bench_bare_window" >>"$WORK/bare"
    # A copy of the settings each time: a run must not see what the previous one saved.
    cp "$WORK/system/system.tri" "$WORK/system.tri.orig" 2>/dev/null || true
    run_once "$BIN/tavu" --system "$WORK/system" --quit-after-paint >>"$WORK/tavu"
    cp "$WORK/system.tri.orig" "$WORK/system/system.tri"
    i=$((i + 1))
done

median() { # column file
    sort -n -k"$1" "$2" | awk -v c="$1" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Each tavu run is paired with the bare run just before it, so that a machine slowing down or
# speeding up during the runs moves both sides of a ratio alike.
paste -d' ' "$WORK/bare" "$WORK/tavu" | awk '{ print $4 / $1 }' >"$WORK/ratios"
paired_ratio=$(median 1 "$WORK/ratios")
bare_ms=$(median 1 "$WORK/bare")
tavu_ms=$(median 1 "$WORK/tavu")
bare_kb=$(median 2 "$WORK/bare")
tavu_kb=$(median 2 "$WORK/tavu")
bare_cpu=$(median 3 "$WORK/bare")
tavu_cpu=$(median 3 "$WORK/tavu")

awk -v pr="$paired_ratio" -v bm="$bare_ms" -v tm="$tavu_ms" -v bk="$bare_kb" -v tk="$tavu_kb" -v bc="$bare_cpu" -v tc="$tavu_cpu" \
    -v runs="$RUNS" -v load="$(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
    time_ratio = pr; mem_ratio = tk / bk
    printf "runs each            %d  (load average %s)\n", runs, load
    printf "bare window          %6.1f ms  %7.0f kB peak  %4.0f ms cpu\n", bm, bk, bc
    printf "tavu                 %6.1f ms  %7.0f kB peak  %4.0f ms cpu\n", tm, tk, tc
    printf "start-up ratio       %6.2f  (target <= 2.00)  %s   median of paired runs; of medians %.2f\n", time_ratio, (time_ratio <= 2.0 ? "ok" : "OVER"), tm / bm
    printf "peak memory ratio    %6.2f  (target <= 1.50)  %s\n", mem_ratio, (mem_ratio <= 1.5 ? "ok" : "OVER")
    exit (time_ratio <= 2.0 && mem_ratio <= 1.5) ? 0 : 1
}'
