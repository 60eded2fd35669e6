#!/usr/bin/env bash
# The one command that shows the cleaner: installs what is missing, builds the Windows
# programs, prepares a Wine prefix of the project's own (build/demo, never ~/.wine) whose
# drive C: holds browser and Windows traces, installs the programs and data files into
# "C:\Program Files\Tervane" and starts vorn66.exe. Without a display it runs under Xvfb
# and saves a screenshot, whose path it prints.
# TERVANE_WINVER=win98|nt40|win2k|winxp shows it on that system instead: a demo prefix of
# its own (build/demo-<version>) laid out by scripts/period.sh before it is seeded.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
bash scripts/setup.sh
# The Windows build this host can run: i686 under 32-bit Wine, else x86_64 under 64-bit Wine.
source scripts/host-arch.sh
export TERVANE_WINE_ARCH="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}"
preset="$(tervane_windows_preset "$TERVANE_WINE_ARCH")"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

demo="$root/build/demo"
[ "$TERVANE_WINE_ARCH" = win64 ] && demo="$root/build/demo64"
winver="${TERVANE_WINVER:-}"
[ -n "$winver" ] && demo="$root/build/demo-$winver"
export TERVANE_WINE_DIR="$demo"
# The demo keeps Wine's managed windows, as a desktop shows them.
export TERVANE_WINE_UNMANAGED=0
source scripts/wine-env.sh
if [ -n "$winver" ]; then
  source scripts/period.sh
  tervane_period_check "$winver" || exit 1
fi
echo "run: $TERVANE_WINE_ARCH Wine${winver:+ as $winver}, programs from build/$preset"
# The display comes first: Wine's desktop process keeps the display it started with.
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  source scripts/xvfb.sh
  tervane_start_xvfb
fi
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ "$headless" = 1 ]; then
    kill "$TERVANE_XVFB" 2>/dev/null || true
    rm -f "$TERVANE_XVFB_FD_FILE"
  fi
}
trap cleanup EXIT

fresh=0
tervane_prefix_ready || fresh=1
tervane_ensure_prefix
if [ -n "$winver" ]; then
  # A prefix laid out anew (first time, or a changed layout) is seeded anew.
  laid_out="$(cat "$TERVANE_WINE_DIR/.period" 2>/dev/null || true)"
  tervane_period_prepare "$winver"
  [ "$laid_out" = "$(cat "$TERVANE_WINE_DIR/.period")" ] || fresh=1
fi
wineserver -p >/dev/null 2>&1 &
# Wine draws the window frames itself, so captions show even without a window manager.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
if [ "$fresh" = 1 ] || [ "${TERVANE_RESEED:-0}" = 1 ]; then bash scripts/seed-demo.sh; fi
[ -z "$winver" ] || tervane_period_session "$winver"
folder="$WINEPREFIX/drive_c/Program Files/Tervane"
bash scripts/install-programs.sh "$TERVANE_WINDOWS_BUILD" "$folder"

if [ "$headless" = 0 ]; then
  wine 'C:\Program Files\Tervane\vorn66.exe'
  exit 0
fi
wine 'C:\Program Files\Tervane\vorn66.exe' >/dev/null 2>&1 &
app=$!
# The first start runs the path search tool and waits for it: the headless run photographs
# it, presses "Start searching" as a user would, then photographs the main window. The
# end-to-end test's window driver finds and presses the windows.
driver="$TERVANE_WINDOWS_BUILD/tests/e2e/vorn66_driver.exe"
drive() { wine "$driver" "$@" >/dev/null 2>&1 </dev/null; }
if [ -f "$driver" ]; then
  for _ in $(seq 1 120); do
    drive wait "Tervane 6.6" 0.5 && break
    if drive wait "Search" 0.5; then
      sleep 1
      import -window root "$demo/vorn66-search.png"
      echo "screenshot of the path search: $demo/vorn66-search.png"
      drive click "Search" "Start searching"
      drive wait "Tervane 6.6" 600 || true
      break
    fi
  done
  sleep 2
else
  sleep 15
fi
shot="$demo/vorn66.png"
import -window root "$shot"
echo "screenshot: $shot"
kill "$app" 2>/dev/null || true
