#!/usr/bin/env bash
# Builds the fuzzers (Clang, libFuzzer, ASan, UBSan) and runs each for the
# given number of seconds (default 30), starting from the seeds in
# tests/fuzz/corpus/. What they find on the way is kept in build/fuzz/corpus/.
# Usage: scripts/fuzz.sh [seconds] [fuzzer ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
fuzzers=("$@")
[ ${#fuzzers[@]} -eq 0 ] && fuzzers=(project_file build_config batch_writers)

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for fuzzer in "${fuzzers[@]}"; do
  corpus=build/fuzz/corpus/$fuzzer
  log=build/fuzz/$fuzzer.log
  mkdir -p "$corpus" build/fuzz/findings
  echo "== $fuzzer: ${seconds}s =="
  status=0
  build/fuzz/bin/${fuzzer}_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/${fuzzer}- "$corpus" "tests/fuzz/corpus/$fuzzer" \
    >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units' "$log" || true
  if [ "$status" -ne 0 ]; then
    # A finding: show it, and the input that caused it, kept under findings/.
    grep -E 'ERROR|property violated|SUMMARY|Test unit written' "$log" >&2 || tail -20 "$log" >&2
    exit 1
  fi
done
