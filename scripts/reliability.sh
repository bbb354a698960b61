#!/usr/bin/env bash
# Repeats the figures of the README's Reliability section:
#   scripts/reliability.sh [seconds of fuzzing per harness, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=$(nproc)

TAVU_SETUP_FUZZ=1 scripts/setup.sh >/dev/null
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs" --target tavu_unit_tests tavu_hostile_update >/dev/null
tests=build/dev/bin/tavu_unit_tests

echo "== Crash injection (SIGKILL at every write slice, flush and rename)"
$tests --gtest_filter='CrashInjection.*:ResultFile.CrashAtAnyPoint*:UserDataFolder.Killed*' | grep '^\[reliability\]' | sed 's/^\[reliability\] /  /'

echo "== Update fault scenarios (loopback HTTP site; the system folder compared byte for byte)"
update_filter='DownloadTest.*:UpdateCheckTest.*:CurlFetcherTest.*:UpdateCliTest.*:StagedFolder.*:HostileSite.*:UpdateLeftovers.*:FileCreation.*'
out=$($tests --gtest_filter="$update_filter" 2>&1 || true)
ran=$(grep -c '^\[       OK \]\|^\[  FAILED  \] [A-Za-z]*\.[A-Za-z]* (' <<<"$out" || true)
failed=$(grep -c '^\[  FAILED  \] [A-Za-z]*\.[A-Za-z]* (' <<<"$out" || true)
echo "  scenarios $ran, mixed or changed installs $failed"

echo "== Hostile data and real kills (tavu-cli as its own process)"
build/dev/bin/tavu_hostile_update 220 | sed 's/^/  /'

echo "== History of draws (a writer killed with SIGKILL while it records, 1000 times)"
scripts/history_crash.sh 1000

echo "== History of draws from the real program (tavu-cli --record killed with SIGKILL, 1000 times)"
scripts/history_crash_cli.sh 1000

echo "== ThreadSanitizer over the core's tests (downloads, cancellation, locks, start-up reads)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs" --target tavu_unit_tests >/dev/null
out=$(TSAN_OPTIONS=halt_on_error=0 build/tsan/bin/tavu_unit_tests 2>&1 || true)
echo "  tests $(grep -c '^\[       OK \]' <<<"$out" || true), failed $(grep -c '^\[  FAILED  \] [A-Za-z]*\.[A-Za-z]* (' <<<"$out" || true), race reports $(grep -c 'WARNING: ThreadSanitizer' <<<"$out" || true)"

echo "== Fuzzing ($seconds s per harness, libFuzzer with ASan and UBSan)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for harness in build/fuzz/bin/fuzz_*; do
    name=$(basename "$harness")
    mkdir -p "$work/$name"
    status=0
    log=$("$harness" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
        -artifact_prefix="$work/$name-" "$work/$name" "tests/fuzz/corpus/$name" 2>&1) || status=$?
    runs=$(grep -a 'stat::number_of_executed_units' <<<"$log" | awk '{print $2}')
    crashes=$([ "$status" -eq 0 ] && echo 0 || echo 1)
    printf '  %-24s executions %-9s crashes %s\n' "$name" "${runs:-?}" "$crashes"
done
