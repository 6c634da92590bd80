#!/usr/bin/env bash
# Runs a Windows program of a build folder under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# The build folder is the nearest folder above the program that holds CMakeCache.txt.
# Without a running session (see wine-session.sh) one is started first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1"); shift
build=$(dirname "$program")
while [ ! -f "$build/CMakeCache.txt" ]; do
  [ "$build" != / ] || { echo "wine-run: no build folder above $program" >&2; exit 2; }
  build=$(dirname "$build")
done
if [ ! -f "$build/wine/display" ] || [ ! -d "$build/wineprefix" ]; then
  "$here/wine-session.sh" start "$build" >/dev/null
fi
source "$here/wine-env.sh" "$build"
exec /usr/lib/wine/wine64 "$program" "$@"
