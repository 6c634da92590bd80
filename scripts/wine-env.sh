# Sourced: the environment for running this project's Windows programs under Wine.
# Argument: the build folder that holds the Wine prefix.
export WINEPREFIX="$1/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The Chinese locale makes Wine's ANSI code page 936 (GBK).
export LC_ALL=zh_CN.UTF-8
if [ -f "$1/wine/display" ]; then
  DISPLAY=$(cat "$1/wine/display")
  export DISPLAY
fi
