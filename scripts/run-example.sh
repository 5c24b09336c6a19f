#!/usr/bin/env bash
# Builds Brennholtzgate.exe and runs it under Wine on the sample code tree of
# examples/, laid out as D:\Work\Proj\ (Wine's drive D: is mapped to a copy of
# it in the build tree), then shows the console and the generated files.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Brennholtzgate >/dev/null

build=build/windows
wine_run=$build/wine-run.sh
trap '"$wine_run" --stop' EXIT
"$wine_run" wineboot -i >/dev/null 2>&1

drive=$PWD/build/example-drive
rm -rf "$drive"
mkdir -p "$drive"
cp -r examples/Work "$drive/"
cp "$build/bin/Brennholtzgate.exe" "$drive/Work/Proj/Tools/Qac/"
ln -sfn "$drive" "$build/wineprefix/dosdevices/d:"

echo '> D:\Work\Proj\Tools\Qac\Brennholtzgate.exe'
status=0
"$wine_run" 'D:\Work\Proj\Tools\Qac\Brennholtzgate.exe' || status=$?
echo "(exit status $status)"

for file in _qac_list.txt _qac_8_1_2-R_Analyse.bat _qac_8_1_2-R_View_Misra.bat; do
  path=$drive/Work/Proj/Tmp/qac/$file
  [ -f "$path" ] || continue
  echo
  echo "==== D:\\Work\\Proj\\Tmp\\qac\\$file ===="
  tr -d '\r' <"$path"
done
exit "$status"
