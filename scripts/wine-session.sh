#!/usr/bin/env bash
# Starts or stops the Wine session that the Windows tests of one build folder share:
# an Xvfb display and a private Wine prefix, both kept under the build folder.
#   wine-session.sh start BUILD_DIR   (a new prefix every time)
#   wine-session.sh stop  BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=$1
build=$(cd "$2" && pwd)
state="$build/wine"
source "$here/wine-env.sh" "$build"

stop_session() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid"
  fi
  rm -f "$state/display"
}

case "$action" in
  start)
    stop_session
    mkdir -p "$state"
    rm -rf "$WINEPREFIX"
    # -displayfd picks a free display number and writes it once the server is ready.
    exec 3> "$state/display.tmp"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! > "$state/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do
      [ -s "$state/display.tmp" ] && break
      sleep 0.1
    done
    [ -s "$state/display.tmp" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
    echo ":$(tr -d '\n' < "$state/display.tmp")" > "$state/display"
    rm -f "$state/display.tmp"
    export DISPLAY=$(cat "$state/display")
    # A persistent server keeps every later test from paying the start-up again.
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wineserver -p </dev/null >"$state/wineserver.log" 2>&1
    /usr/lib/wine/wine64 wineboot -i </dev/null >"$state/wineboot.log" 2>&1
    echo "wine-session: prefix $WINEPREFIX on display $DISPLAY"
    ;;
  stop)
    stop_session
    ;;
  *)
    echo "usage: wine-session.sh start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
