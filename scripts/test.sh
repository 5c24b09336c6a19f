#!/usr/bin/env bash
# Runs every test: the portable code natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows exe and its tests under Wine.
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
ctest --preset windows
