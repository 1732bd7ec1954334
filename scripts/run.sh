#!/usr/bin/env bash
# Builds LifengWorkshop.exe and starts it under Wine on the bundled demo server
# (demo/MirServer). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
There is no display to show the window on: DISPLAY is not set.
  - On a Linux desktop, run scripts/run.sh from a terminal inside the graphical session.
  - Over SSH, connect with X forwarding (ssh -X host) and run it again.
  - On a machine without any screen, give it a virtual one and look at it through a screenshot:
        Xvfb :99 -screen 0 1024x768x24 &
        DISPLAY=:99 scripts/run.sh &
        sleep 20; DISPLAY=:99 import -window root shot.png
MSG
  exit 1
fi

lifeng_install_missing
echo "== Building LifengWorkshop.exe"
cmake --preset windows >/dev/null
cmake --build --preset windows --target LifengWorkshop -j2

# The program keeps its settings beside itself; the first time, point it at the demo server.
settings=build/windows/Setup.ini
if [ ! -e "$settings" ]; then
  demo="Z:$(pwd -P | tr / '\\')\\demo\\MirServer\\"
  printf '[软件设置]\r\n服务端路径=%s\r\n' "$demo" | iconv -f UTF-8 -t GBK >"$settings"
  echo "== $settings now points at the demo server $demo"
fi

export WINEPREFIX="$PWD/build/run-prefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Preparing a Wine prefix of its own in build/run-prefix"
  wineboot -i >/dev/null 2>&1
fi
echo "== Starting 砺锋工坊 (close its window or press Esc to end)"
exec wine build/windows/LifengWorkshop.exe
