#!/usr/bin/env bash
# Static analysis of the program's own code, which must be clean: clang-tidy
# (checks in .clang-tidy) on the portable files with the native build's
# compile commands and on the Win32 files with the cross build's, cppcheck,
# and clang-format. Expects both builds configured (scripts/test.sh does it).
set -euo pipefail
cd "$(dirname "$0")/.."

sources=(driver/*.cpp inputs/*.cpp generate/*.cpp files/*.cpp)
win32_sources=(driver/banner.cpp driver/main.cpp driver/platform_win32.cpp driver/run.cpp)
portable_sources=()
for file in "${sources[@]}"; do
  [[ " ${win32_sources[*]} " == *" $file "* ]] || portable_sources+=("$file")
done

echo "== clang-tidy =="
tidy() { clang-tidy --quiet "$@" 2>&1 | grep -vE '^[0-9]+ warnings? generated\.$' || true; }
report=$(tidy -p build/native "${portable_sources[@]}")
# Clang reads the cross build's commands as a MinGW target, with the cross
# compiler's C++ and Windows headers.
mingw_args=(--extra-arg=--target=x86_64-w64-mingw32)
while read -r dir; do
  mingw_args+=("--extra-arg=-isystem$dir")
done < <(echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search list/p' |
  sed -n 's/^ //p' | grep -E 'c\+\+|mingw32/include$')
report+=$(tidy -p build/windows "${mingw_args[@]}" "${win32_sources[@]}")
if grep -qE 'error|warning' <<<"$report"; then
  echo "$report" >&2
  exit 1
fi

echo "== cppcheck =="
# Readers and writers take their strings by value on purpose.
for platform in -D_WIN32 -U_WIN32; do
  cppcheck --quiet --std=c++17 --enable=warning,performance,portability --error-exitcode=1 \
    --inline-suppr --suppress=missingIncludeSystem --suppress=passedByValue -I . "$platform" \
    driver inputs generate files
done

echo "== clang-format =="
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "lint clean"
