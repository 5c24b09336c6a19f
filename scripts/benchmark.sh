#!/usr/bin/env bash
# Measures a run on a generated project of N source entries (default 100000):
#  - natively, the portable pipeline against a plain copy of the same bytes,
#    with its peak memory;
#  - the real exe under Wine, against a do-nothing Windows program started
#    the same way plus the same byte copy (medians of alternating runs).
# Usage: scripts/benchmark.sh [entries] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-100000}
runs=${2:-7}

scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target Brennholtzgate do_nothing >/dev/null

echo "== native pipeline =="
build/bench/bin/pipeline_benchmark "$entries" "$runs"

echo
echo "== Brennholtzgate.exe under Wine =="
wine_run=$PWD/build/windows/wine-run.sh
trap '"$wine_run" --stop' EXIT
"$wine_run" wineboot -i >/dev/null 2>&1

tree=$PWD/build/benchmark-tree
rm -rf "$tree"
mkdir -p "$tree/Work/Proj/Tools/Qac" "$tree/Work/Proj/Tmp/qac" "$tree/copy"
cp build/windows/bin/Brennholtzgate.exe build/windows/bin/do_nothing.exe "$tree/Work/Proj/Tools/Qac/"
working=$tree/Work/Proj/Tmp/qac
build/bench/bin/pipeline_benchmark --generate "$working/_qac_gui.prj" "$entries"
exe=$tree/Work/Proj/Tools/Qac/Brennholtzgate.exe
noop=$tree/Work/Proj/Tools/Qac/do_nothing.exe

now() { date +%s%N; }
run_tool() { "$wine_run" "$exe" >/dev/null; }
run_noop() { "$wine_run" "$noop" >/dev/null; }
copy_bytes() {
  cat "$working/_qac_gui.prj" >/dev/null
  cp "$working/_qac_list.txt" "$working/_qac_8_1_2-R_Analyse.bat" \
    "$working/_qac_8_1_2-R_View_Misra.bat" "$tree/copy/"
}
nanoseconds() { local start; start=$(now); "$@"; echo $(($(now) - start)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run_tool  # warm up: the server, the page cache, and files to copy
run_noop
tool_times=()
floor_times=()
for _ in $(seq "$runs"); do
  tool_times+=("$(nanoseconds run_tool)")
  floor_times+=($(($(nanoseconds run_noop) + $(nanoseconds copy_bytes))))
done
tool=$(printf '%s\n' "${tool_times[@]}" | median)
floor=$(printf '%s\n' "${floor_times[@]}" | median)
echo "entries:          $entries"
echo "exe under Wine:   $((tool / 1000000)) ms (median of $runs)"
echo "floor:            $((floor / 1000000)) ms (do-nothing exe + byte copy)"
awk -v t="$tool" -v f="$floor" 'BEGIN { printf "ratio:            %.2f\n", t / f }'
