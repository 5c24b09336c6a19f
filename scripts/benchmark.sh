#!/usr/bin/env bash
# Measures a run on a generated project of N source entries (default 100000):
#  - natively, the portable pipeline against a plain copy of the same bytes,
#    with its peak memory;
#  - the real exe under Wine against two floors, in the same alternating runs:
#    a do-nothing Windows program plus a byte copy by cp, and the I/O floor,
#    a Windows program that reads and writes the run's bytes in the tool's
#    block sizes through the tool's own file calls, parsing nothing.
# Files lie on a memory file system (/dev/shm) where there is one, so that
# disk writeback does not swamp the figures; standard output goes to a file,
# as a log would take it. Medians of the runs.
# Usage: scripts/benchmark.sh [entries] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
entries=${1:-100000}
runs=${2:-7}

scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target Brennholtzgate do_nothing io_floor >/dev/null

echo "== native pipeline =="
build/bench/bin/pipeline_benchmark "$entries" "$runs"

echo
echo "== Brennholtzgate.exe under Wine =="
wine_run=$PWD/build/windows/wine-run.sh
scratch=/dev/shm
[ -d "$scratch" ] && [ -w "$scratch" ] || scratch=$PWD/build
tree=$(mktemp -d "$scratch/bhg-benchmark-XXXXXX")
trap 'rm -rf "$tree"; "$wine_run" --stop' EXIT
"$wine_run" wineboot -i >/dev/null 2>&1

qac=$tree/Work/Proj/Tools/Qac
working=$tree/Work/Proj/Tmp/qac
mkdir -p "$qac" "$working" "$tree/copy" "$tree/floor"
cp build/windows/bin/Brennholtzgate.exe build/windows/bin/do_nothing.exe \
  build/windows/bin/io_floor.exe "$qac/"
build/bench/bin/pipeline_benchmark --generate "$working/_qac_gui.prj" "$entries"
outputs=(_qac_list.txt _qac_8_1_2-R_Analyse.bat _qac_8_1_2-R_View_Misra.bat)

now() { date +%s%N; }
run_tool() { "$wine_run" "$qac/Brennholtzgate.exe" >"$tree/console.txt"; }
run_noop() { "$wine_run" "$qac/do_nothing.exe" >"$tree/console.txt"; }
copy_bytes() {
  cat "$working/_qac_gui.prj" >/dev/null
  (cd "$working" && cp "${outputs[@]}" "$tree/copy/")
}
run_io_floor() { "$wine_run" "$qac/io_floor.exe" "${floor_arguments[@]}" >"$tree/console.txt"; }
nanoseconds() { local start; start=$(now); "$@"; echo $(($(now) - start)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run_tool # warm up: the server, the page cache, and the files to copy
floor_arguments=("$working/_qac_gui.prj")
for file in "${outputs[@]}"; do
  floor_arguments+=("$tree/floor/$file" "$(stat -c %s "$working/$file")")
done
run_noop
run_io_floor

tool_times=()
copy_floor_times=()
io_floor_times=()
for _ in $(seq "$runs"); do
  tool_times+=("$(nanoseconds run_tool)")
  copy_floor_times+=($(($(nanoseconds run_noop) + $(nanoseconds copy_bytes))))
  io_floor_times+=("$(nanoseconds run_io_floor)")
done
tool=$(printf '%s\n' "${tool_times[@]}" | median)
copy_floor=$(printf '%s\n' "${copy_floor_times[@]}" | median)
io_floor=$(printf '%s\n' "${io_floor_times[@]}" | median)
echo "entries:          $entries ($(stat -c %s "$working/_qac_gui.prj") bytes in, files on $scratch)"
echo "exe under Wine:   $((tool / 1000000)) ms (median of $runs)"
echo "copy floor:       $((copy_floor / 1000000)) ms (do-nothing exe + cat and cp)"
echo "I/O floor:        $((io_floor / 1000000)) ms (io_floor.exe: the same bytes, blocks and calls)"
awk -v t="$tool" -v c="$copy_floor" -v f="$io_floor" \
  'BEGIN { printf "ratio:            %.2f to the copy floor, %.2f to the I/O floor\n", t / c, t / f }'
