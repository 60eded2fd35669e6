#!/usr/bin/env bash
# Builds the walk benchmark and runs it under the project's Wine prefix. The generated
# tree lives in build/bench-tree (reached through Wine's Z: drive), outside the prefix's
# C:, so that whole-drive searches in the tests do not walk it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows --target walk_bench
source scripts/wine-env.sh
tervane_ensure_prefix
mkdir -p build/bench-tree
tree="Z:$(pwd | tr / '\\')\\build\\bench-tree"
wineserver -p >/dev/null 2>&1 &
wine build/windows/bench/walk_bench.exe "$tree" "${1:-5}" </dev/null
wineserver -k >/dev/null 2>&1 || true
