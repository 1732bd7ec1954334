# Shared by run.sh and test.sh: installs what this project needs on Debian when it is missing,
# and starts a virtual display. Source it; do not run it.

# Packages, each with a file that shows it is there.
LIFENG_PACKAGES=(
  "cmake:/usr/bin/cmake"
  "ninja-build:/usr/bin/ninja"
  "g++:/usr/bin/g++"
  "googletest:/usr/src/googletest/CMakeLists.txt"
  "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
  "mingw-w64-tools:/usr/bin/x86_64-w64-mingw32-widl"
  "wine:/usr/bin/wine"
  "wine64:/usr/lib/wine/wine64"
  "xvfb:/usr/bin/Xvfb"
  "x11-utils:/usr/bin/xdpyinfo"
  "fonts-wqy-microhei:/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
  "locales:/usr/sbin/locale-gen"
)

lifeng_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

lifeng_install_missing() {
  local missing=() entry
  for entry in "${LIFENG_PACKAGES[@]}"; do
    [ -e "${entry#*:}" ] || missing+=("${entry%%:*}")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing missing packages: ${missing[*]}"
    lifeng_as_root apt-get update -qq
    lifeng_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  # Wine takes its ANSI code page from the locale; without zh_CN.UTF-8 it falls back to 1252
  # and every GBK text breaks.
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "== Generating the zh_CN.UTF-8 locale"
    lifeng_as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | lifeng_as_root tee -a /etc/locale.gen >/dev/null
    lifeng_as_root locale-gen >/dev/null
  fi
}

# Starts Xvfb on a free display and exports DISPLAY; the server stops when the script exits.
lifeng_start_xvfb() {
  local display
  for display in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  LIFENG_XVFB_PID=$!
  trap 'kill $LIFENG_XVFB_PID 2>/dev/null || true' EXIT
  export DISPLAY=":$display"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# Keeps one wineserver running for PREFIX until the script exits, so that each Windows test
# binary starts in milliseconds rather than seconds. Wine's background services start here,
# away from ctest: they would hold a test's output pipe open and ctest would wait for them.
lifeng_start_wineserver() {
  local prefix=$1
  scripts/wine-run.sh "$prefix" cmd /c exit </dev/null >/dev/null 2>&1  # makes the prefix when missing
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -w
  WINEPREFIX="$prefix" wineserver -p
  scripts/wine-run.sh "$prefix" cmd /c exit </dev/null >/dev/null 2>&1
  trap "WINEPREFIX='$prefix' wineserver -k 2>/dev/null || true; kill \${LIFENG_XVFB_PID:-} 2>/dev/null || true" EXIT
}
