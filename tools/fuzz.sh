#!/usr/bin/env bash
# Fuzzes the Value library with clang's libFuzzer for 60 seconds (or the
# seconds given), starting from the seed corpus in tests/fuzz/corpus. What it
# finds new goes to a temporary folder; a crash stops it with the input saved
# as crash-* in the current folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

# The release's own clang (14 on Debian 12, 19 on Debian 13) and its libFuzzer.
tools/install-missing.sh clang libclang-rt-dev

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
status=0
build-fuzz/value_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$found" tests/fuzz/corpus >"$found.log" 2>&1 || status=$?
grep -E 'executed_units|ERROR|SUMMARY|crash-|Test unit written' "$found.log" || true
rm -f "$found.log"
[[ $status -eq 0 ]] && echo "fuzzing: no failure in $seconds s"
exit $status
