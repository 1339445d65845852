#!/usr/bin/env bash
# Fuzzes the readers of outside bytes for as long as one likes.
#
#   scripts/fuzz.sh [-t SECONDS] [-j PARALLEL] [READER...]
#
# Each reader (all by default; the names are those of tests/fuzz/readers.cpp)
# runs SECONDS (default 300; 0 runs until Ctrl-C), PARALLEL readers at a time
# (default 2). What the fuzzer learns is kept in build-asan/fuzz-corpus/READER/
# and used again by the next run; the committed seeds of tests/fuzz/corpus/ are
# only read. An input that breaks a reader is written to build-asan/fuzz-findings/:
# fix the engine, add a test to tests/fuzz/findings_test.cpp and copy the input
# into tests/fuzz/corpus/READER/ so that every build reads it again.
set -euo pipefail
source "$(dirname "$0")/sanitizer-env.sh"

seconds=300
parallel=2
while getopts "t:j:h" opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    j) parallel=$OPTARG ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

lingvaro_build_asan >/dev/null
build="$lingvaro_root/build-asan"
if [ $# -eq 0 ]; then
  set -- $(cd "$build/bin" && ls fuzz_* | sed 's/^fuzz_//')
fi
mkdir -p "$build/fuzz-findings" "$build/fuzz-logs"

fuzz_one() {
  local name=$1
  [ -x "$build/bin/fuzz_$name" ] || { echo "no fuzz target for $name" >&2; return 2; }
  mkdir -p "$build/fuzz-corpus/$name"
  if "$build/bin/fuzz_$name" "$build/fuzz-corpus/$name" "$lingvaro_root/tests/fuzz/corpus/$name" \
       -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$build/fuzz-findings/$name-" >"$build/fuzz-logs/$name.log" 2>&1; then
    echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$build/fuzz-logs/$name.log" | grep -o '[0-9]*$') executions, nothing found"
  else
    echo "$name: FOUND something, see $build/fuzz-logs/$name.log"
    grep -m1 -E 'broken promise|ERROR: (Address|Undefined|Leak)Sanitizer|runtime error' "$build/fuzz-logs/$name.log" || true
    return 1
  fi
}

status=0
running=0
for name in "$@"; do
  fuzz_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
ls "$build/fuzz-findings"/* 2>/dev/null || true
exit $status
