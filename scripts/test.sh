#!/usr/bin/env bash
# The one test command: installs what is missing, builds both trees, runs every test
# natively and under Wine, and fails when anything fails.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh || exit 1

status=0
for preset in native windows; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null || exit 1
  fi
  cmake --build --preset "$preset" || exit 1
done

echo "== native tests =="
ctest --preset native -j2 || status=1

echo "== tests under Wine =="
source scripts/wine-env.sh
tervane_ensure_prefix
# One persistent wineserver for the whole run: each test is its own process.
wineserver -p >/dev/null 2>&1 &
export TERVANE_XVFB=""
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  tervane_start_xvfb
fi
ctest --preset windows -j2 || status=1
wineserver -k >/dev/null 2>&1
[ -n "$TERVANE_XVFB" ] && kill "$TERVANE_XVFB" 2>/dev/null
rm -f "${TERVANE_XVFB_FD_FILE:-/nonexistent}"
exit $status
