#!/usr/bin/env bash
# The one test command: installs what is missing, builds every tree (native, native under
# the sanitizers, 32-bit and 64-bit Windows), runs the logic tests natively and under
# AddressSanitizer/UBSan, then the Windows build this host can run under Wine (i686 under
# 32-bit Wine where the host runs 32-bit code, else x86_64 under 64-bit Wine). Fails when
# anything fails, and when the Wine run executed no test. The import audit of both release
# builds runs on every host.
#   TERVANE_WINE_ARCH=win32|win64   force one Wine path instead of probing the host
#   TERVANE_WINE_BOTH=1             on a host that runs 32-bit code, run both Windows builds
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh || exit 1
source scripts/host-arch.sh
arch="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}" || exit 1
archs=("$arch")
if [ "${TERVANE_WINE_BOTH:-0}" = 1 ] && [ "$arch" = win32 ]; then archs+=(win64); fi

status=0
for preset in native sanitize windows windows-x64; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null || exit 1
  fi
  echo "== building $preset =="
  cmake --build --preset "$preset" || exit 1
done

# ctest's summary line "N tests failed out of M": a run must have executed tests.
ran_tests() { grep -Eq '^[0-9]+% tests passed, [0-9]+ tests failed out of [1-9][0-9]*' "$1"; }

log="$(mktemp)"
# Both release builds, whichever this host can run: reading import tables needs no Wine.
echo "== import audit: every import exists on the oldest supported Windows =="
for target in i686:win32:windows x86_64:win64:windows-x64; do
  IFS=: read -r cpu arch preset <<<"$target"
  bash tests/installer/import_audit.sh tests/installer/windows_imports.tsv "$arch" \
    "$cpu-w64-mingw32-objdump" "build/$preset/main/vorn66.exe" \
    "build/$preset/scoutry/scoutry.exe" "build/$preset/vesper/vesper.exe" || status=1
done

echo "== native tests =="
ctest --preset native -j2 || status=1

echo "== native tests under AddressSanitizer and UBSan =="
ctest --preset sanitize -j2 2>&1 | tee "$log"
[ "${PIPESTATUS[0]}" = 0 ] || status=1
ran_tests "$log" || { echo "test: the sanitizer run executed no test"; status=1; }

for a in "${archs[@]}"; do
  preset="$(tervane_windows_preset "$a")"
  echo "== tests under Wine: $a, build/$preset =="
  (
    export TERVANE_WINE_ARCH="$a"
    source scripts/wine-env.sh
    tervane_ensure_prefix || exit 1
    # One persistent wineserver for the whole run: each test is its own process.
    wineserver -p >/dev/null 2>&1 &
    export TERVANE_XVFB=""
    if [ -z "${DISPLAY:-}" ]; then
      source scripts/xvfb.sh
      tervane_start_xvfb
    fi
    ctest --preset "$preset" -j2 2>&1 | tee "$log"
    rc="${PIPESTATUS[0]}"
    wineserver -k >/dev/null 2>&1
    [ -n "$TERVANE_XVFB" ] && kill "$TERVANE_XVFB" 2>/dev/null
    rm -f "${TERVANE_XVFB_FD_FILE:-/nonexistent}"
    ran_tests "$log" || { echo "test: the Wine run ($a) executed no test"; exit 1; }
    echo "== Wine architecture that ran: $a ($preset) =="
    exit "$rc"
  ) || status=1
done
rm -f "$log"
exit $status
