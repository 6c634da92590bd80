#!/usr/bin/env bash
# Runs every test: installs what is missing, builds all four configurations,
# runs the native tests (plain and with sanitizers) and the Windows tests under Wine.
# The 32-bit Windows build is built but not run: this machine cannot execute it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in native native-asan win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in native native-asan win64; do
  echo "== test $preset"
  ctest --preset "$preset"
done
