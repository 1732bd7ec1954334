#!/usr/bin/env bash
# Builds both presets and runs every test: the native unit tests, then the Windows unit tests
# and end-to-end tests under Wine on a virtual display. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

lifeng_install_missing

echo "== Native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
lifeng_start_xvfb
lifeng_start_wineserver "$PWD/build/windows/wineprefix"
ctest --preset windows
echo "== All tests passed"
