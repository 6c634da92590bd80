#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine.
# Uses the current X display when there is one, otherwise a private Xvfb display
# (take a look with: DISPLAY=$(cat build/win64/wine/display) import -window root shot.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
program=build/win64/app/roster.exe
if [ ! -f "$program" ]; then
  echo "start: the main window is not built yet; the roster core and its tests are (scripts/test.sh runs them)."
  exit 0
fi
if [ -z "${DISPLAY:-}" ]; then
  scripts/wine-session.sh start build/win64
fi
exec scripts/wine-run.sh "$program"
