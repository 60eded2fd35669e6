#!/usr/bin/env bash
# The one command that shows the cleaner: installs what is missing, builds the Windows
# programs, prepares a Wine prefix of the project's own (build/demo, never ~/.wine) whose
# drive C: holds browser and Windows traces, installs the programs and data files into
# "C:\Program Files\Tervane" and starts vorn66.exe. Without a display it runs under Xvfb
# and saves a screenshot, whose path it prints.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
bash scripts/setup.sh
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows

export TERVANE_WINE_DIR="$root/build/demo"
source scripts/wine-env.sh
fresh=0
tervane_prefix_ready || fresh=1
tervane_ensure_prefix
wineserver -p >/dev/null 2>&1 &
# Wine draws the window frames itself, so captions show even without a window manager.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
[ "$fresh" = 1 ] || [ "${TERVANE_RESEED:-0}" = 1 ] && bash scripts/seed-demo.sh
folder="$WINEPREFIX/drive_c/Program Files/Tervane"
bash scripts/install-programs.sh build/windows "$folder"

if [ -n "${DISPLAY:-}" ]; then
  wine 'C:\Program Files\Tervane\vorn66.exe'
else
  source scripts/xvfb.sh
  tervane_start_xvfb
  wine 'C:\Program Files\Tervane\vorn66.exe' >/dev/null 2>&1 &
  app=$!
  # Wait for the main window (the window driver of the end-to-end test knows how), then
  # give it a moment to paint.
  driver=build/windows/tests/e2e/vorn66_driver.exe
  if [ -f "$driver" ]; then
    wine "$driver" wait "Tervane 6.6" 120 >/dev/null 2>&1 </dev/null || true
    sleep 2
  else
    sleep 15
  fi
  shot="$root/build/demo/vorn66.png"
  import -window root "$shot"
  echo "screenshot: $shot"
  kill "$app" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  kill "$TERVANE_XVFB" 2>/dev/null || true
  rm -f "$TERVANE_XVFB_FD_FILE"
  exit 0
fi
wineserver -k >/dev/null 2>&1 || true
