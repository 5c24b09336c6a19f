#!/usr/bin/env bash
# Runs every test: the portable code natively under AddressSanitizer and
# UndefinedBehaviorSanitizer; the Windows exe and its tests under Wine; the
# zip, and that two builds of it are the same bytes; static analysis; each
# fuzzer briefly (FUZZ_SECONDS, default 20); and the benchmark once on a
# small project, to prove it runs (no timing checked).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
# No Wine process outlives the tests, whatever happens to them.
trap 'build/windows/wine-run.sh --stop' EXIT

scripts/check-package.sh
scripts/check-reproducible.sh
scripts/lint.sh
scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
scripts/benchmark.sh 2000 3

# Last, so that its summary closes the output.
ctest --preset windows
