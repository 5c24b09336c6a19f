#!/usr/bin/env bash
# The exe on a console: under a pseudo terminal, Wine gives the program one,
# so its lines go the console way (UTF-16 through WriteConsoleW). The location
# lines of a tree under "Wärk" must show the a-umlaut, and every line once.
#
# This guards against breakage more than it proves: Wine's console already
# showed ANSI text readable before the lines went out as UTF-16. What it
# cannot show is a real Windows console, which shows the bytes in its own
# (OEM) code page and needed the change.
# Usage: console_test.sh <Brennholtzgate.exe> <wine-run.sh>
set -euo pipefail
exe=$1
wine_run=$2

tree=$(mktemp -d "${TMPDIR:-/tmp}/bhg-console-XXXXXX")
trap 'rm -rf "$tree"' EXIT
root=$tree/Wärk/Proj
mkdir -p "$root/Tools/Qac" "$root/Tmp/qac"
cp "$exe" "$root/Tools/Qac/Brennholtzgate.exe"
windows_root="Z:$(tr / '\\' <<<"$root")"
# The project file is ANSI (1252), as the front end writes it.
printf '%s\\Src\\m\xfc.c\r\n' "$(iconv -f UTF-8 -t CP1252 <<<"$windows_root")" \
  >"$root/Tmp/qac/_qac_gui.prj"

# A wide terminal, so that the console does not wrap the lines.
output=$(script -qec "stty cols 300; '$wine_run' '$root/Tools/Qac/Brennholtzgate.exe'" /dev/null)
# What the terminal got, without the console's cursor and erase sequences.
shown=$(sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\r//g' <<<"$output")

status=0
expect() {
  if ! grep -qxF -- "$1" <<<"$shown"; then
    echo "missing line: $1" >&2
    status=1
  fi
}
expect "qacLoc :       $windows_root\\Tools\\Qac\\"
expect "codeLoc:       $windows_root\\"
expect "qacWorkingLoc: $windows_root\\Tmp\\qac\\"
expect "creating: $windows_root\\Tmp\\qac\\_qac_8_1_2-R_Analyse.bat"
expect "Please change folder to: $windows_root\\Tmp\\qac\\ and execute the batch files"
if [ "$(grep -c '^qacLoc' <<<"$shown")" -ne 1 ]; then
  echo "the qacLoc line is not shown exactly once" >&2
  status=1
fi
if [ "$status" -ne 0 ]; then
  echo "the console showed:" >&2
  echo "$shown" >&2
fi
exit "$status"
