#!/usr/bin/env bash
# Takes docs/screenshot.png: the window on the demo server, under Wine on a virtual display,
# inside Wine's own desktop so that the frame and caption are drawn too.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
LIFENG_PACKAGES+=("imagemagick:/usr/bin/import")
lifeng_install_missing
cmake --preset windows >/dev/null
cmake --build --preset windows --target LifengWorkshop -j2

run=$(mktemp -d)
cp build/windows/LifengWorkshop.exe "$run/"
demo="Z:$(pwd -P | tr / '\\')\\demo\\MirServer\\"
printf '[软件设置]\r\n服务端路径=%s\r\n' "$demo" | iconv -f UTF-8 -t GBK >"$run/Setup.ini"

lifeng_start_xvfb
prefix="$PWD/build/windows/wineprefix"  # the tests' prefix, which puts windows into a Wine desktop
lifeng_start_wineserver "$prefix"
scripts/wine-run.sh "$prefix" "$run/LifengWorkshop.exe" >/dev/null 2>&1 &
sleep 8
# The window is centred on the 1024 x 768 desktop.
import -window root -crop 707x446+158+161 +repage docs/screenshot.png
WINEPREFIX="$prefix" wineserver -k
rm -rf "$run"
echo "== docs/screenshot.png"
