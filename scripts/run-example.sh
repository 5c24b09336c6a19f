#!/usr/bin/env bash
# Builds Brennholtzgate.exe and runs it under Wine on the sample code tree of
# examples/, laid out as D:\Work\Proj\ (Wine's drive D: is mapped to a copy of
# it in the build tree), then shows the console and the generated files, and
# runs both batch files with Wine's cmd. The analyser itself is not here: two
# stand-ins of the tests take the place of its qac and Viewer and print the
# arguments and the environment they were started with.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Brennholtzgate stand_in_qac stand_in_Viewer >/dev/null

build=build/windows
wine_run=$build/wine-run.sh
trap '"$wine_run" --stop' EXIT
"$wine_run" wineboot -i >/dev/null 2>&1

drive=$PWD/build/example-drive
rm -rf "$drive"
mkdir -p "$drive"
cp -r examples/Work "$drive/"
cp "$build/bin/Brennholtzgate.exe" "$drive/Work/Proj/Tools/Qac/"
analyser_bin=$drive/Work/Proj/Tools/Qac/QAC-8.1.2-R/bin
mkdir -p "$analyser_bin"
cp "$build/bin/qac.exe" "$build/bin/Viewer.exe" "$analyser_bin/"
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
[ "$status" -eq 0 ] || exit "$status"

# As the user would, from the working folder; the argument "x" skips the pause
# at the end.
echo
echo "(qac.exe and Viewer.exe below are stand-ins for the analyser's programs:"
echo " each prints its arguments, separated by |, and the analyser's variables)"
for batch in _qac_8_1_2-R_Analyse.bat _qac_8_1_2-R_View_Misra.bat; do
  echo
  echo "> D:\Work\Proj\Tmp\qac>$batch x"
  "$wine_run" cmd /c "cd /d D:\Work\Proj\Tmp\qac && $batch x" | tr -d '\r'
done
