#!/usr/bin/env bash
# Builds the exe and the zip twice from the same sources, in two folders of
# different names and from a clean state each, and checks that both builds
# give the same bytes. SOURCE_DATE_EPOCH (default: the time of the last
# commit) fixes the build date in the banner and the times in the zip.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d "${TMPDIR:-/tmp}/bhg-reproducible-XXXXXX")
trap 'rm -rf "$work"' EXIT

# The tracked files as they are now, committed or not.
build_in() {
  local source=$work/$1
  mkdir -p "$source"
  git ls-files -z | xargs -0 tar -cf - | tar -xf - -C "$source"
  cmake -S "$source" --preset windows -DBRENNHOLTZGATE_TESTS=OFF >/dev/null
  cmake --build "$source/build/windows" --target Brennholtzgate package >/dev/null
}
build_in first
build_in second-with-a-longer-name

status=0
for file in bin/Brennholtzgate.exe "Brennholtzgate-*-win64.zip"; do
  # shellcheck disable=SC2086 # the zip's name is a pattern
  first=$(sha256sum "$work"/first/build/windows/$file | cut -d' ' -f1)
  # shellcheck disable=SC2086
  second=$(sha256sum "$work"/second-with-a-longer-name/build/windows/$file | cut -d' ' -f1)
  if [ "$first" = "$second" ]; then
    echo "same bytes: $file ($first)"
  else
    echo "builds differ: $file ($first, $second)" >&2
    status=1
  fi
done
exit "$status"
