#!/usr/bin/env bash
# Builds the zip and checks what users get: exactly the exe, README.md and
# LICENSE; an exe without debug sections that needs no DLL beyond those every
# Windows has. The checks look at the exe inside the zip, not at the build's.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build --preset windows --target package >/dev/null
zip=$(ls build/windows/Brennholtzgate-*-win64.zip)
listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
if [ "$listing" != "Brennholtzgate.exe LICENSE README.md " ]; then
  echo "unexpected contents of $zip: $listing" >&2
  exit 1
fi

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$zip")
exe=$unpacked/Brennholtzgate.exe

debug_sections=$(x86_64-w64-mingw32-objdump -h "$exe" | awk '$2 ~ /^\.debug/ { print $2 }')
if [ -n "$debug_sections" ]; then
  echo "the packaged Brennholtzgate.exe carries debug sections:" $debug_sections >&2
  exit 1
fi

system_dlls='^(KERNEL32|msvcrt|VERSION|USER32|ADVAPI32|ucrtbase)\.dll$'
unexpected=$(x86_64-w64-mingw32-objdump -p "$exe" |
  awk '/DLL Name:/ { print $3 }' | grep -Eiv "$system_dlls" || true)
if [ -n "$unexpected" ]; then
  echo "Brennholtzgate.exe needs DLLs a Windows machine may not have: $unexpected" >&2
  exit 1
fi
echo "package ok: $zip ($listing; exe $(stat -c %s "$exe") bytes, stripped)"
