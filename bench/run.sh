#!/usr/bin/env bash
# Builds the benchmarks and runs them under the project's Wine prefix; each prints its
# own figures and the ratio against its baseline, timed in the same run.
#   bench/run.sh [walk|clean|analyze|rules|all]   (all by default)
# The walk's generated tree lives in build/bench-tree (reached through Wine's Z: drive),
# outside the prefix's C:, so that whole-drive searches in the tests do not walk it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
which="${1:-all}"
source scripts/wine-env.sh
preset="$(tervane_windows_preset "$TERVANE_WINE_ARCH")"
echo "bench: $TERVANE_WINE_ARCH Wine, build/$preset"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target walk_bench bench_clean_temp_folder bench_clean_overwrite \
  bench_analyze bench_rules
tervane_ensure_prefix
wineserver -p >/dev/null 2>&1 &
if [ "$which" = walk ] || [ "$which" = all ]; then
  mkdir -p build/bench-tree
  tree="Z:$(pwd | tr / '\\')\\build\\bench-tree"
  echo "== search walk =="
  wine "$TERVANE_WINDOWS_BUILD"/bench/walk_bench.exe "$tree" 5 </dev/null
fi
if [ "$which" = clean ] || [ "$which" = all ]; then
  echo "== Windows temporary-folder step =="
  wine "$TERVANE_WINDOWS_BUILD"/bench/bench_clean_temp_folder.exe </dev/null
  echo "== level 5 overwrite =="
  wine "$TERVANE_WINDOWS_BUILD"/bench/bench_clean_overwrite.exe </dev/null
fi
if [ "$which" = analyze ] || [ "$which" = all ]; then
  echo "== Analyze All against a plain walk =="
  uptime
  wine "$TERVANE_WINDOWS_BUILD"/bench/bench_analyze.exe 3 </dev/null
fi
if [ "$which" = rules ] || [ "$which" = all ]; then
  echo "== winapp2.ini of 4,000 entries read and detected against the same look-ups =="
  wine "$TERVANE_WINDOWS_BUILD"/bench/bench_rules.exe 5 </dev/null
fi
wineserver -k >/dev/null 2>&1 || true
