#!/bin/sh
# Runs a Windows program under Wine in the given prefix, with the Chinese code page (936) that
# the program's GBK texts need. Creates the prefix on first use.
#   scripts/wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
set -e
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
# Two tests may start at once; only one of them builds the prefix.
(
  flock 9
  # Wine services started here must not inherit the lock.
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 9>&-
    # Windows go into a virtual desktop: Wine then draws their frames itself, and without a
    # window manager it would wait two seconds whenever a window is hidden.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 9>&-
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 9>&-
    # Drive S: is the tests' drive for a server installed in the root of a drive. Wine's mount
    # manager lists drives when it starts, so the server restarts to let the shell see it.
    mkdir -p "$prefix/drive_s"
    ln -s ../drive_s "$prefix/dosdevices/s:"
    wineserver -k 9>&-
    wineserver -w 9>&-
  fi
) 9>"$prefix.lock"
exec wine "$@"
