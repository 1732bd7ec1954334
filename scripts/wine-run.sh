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
  [ -f "$prefix/system.reg" ] || wineboot -i >/dev/null 2>&1 9>&-
  # Drive S: is the tests' drive for a server installed in the root of a drive.
  mkdir -p "$prefix/drive_s"
  [ -L "$prefix/dosdevices/s:" ] || ln -s ../drive_s "$prefix/dosdevices/s:"
) 9>"$prefix.lock"
exec wine "$@"
