#!/usr/bin/env bash
# Builds the programs of one Windows preset and makes its installer:
#   installer.sh [windows|windows-x64]     (default windows, the 32-bit programs)
# writes build/installer/tervane-<version>-<x86|x64>-setup.exe and prints its path.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-windows}"
bash scripts/setup.sh >&2
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target vorn66 scoutry vesper >&2
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/$preset/CMakeCache.txt")"
out="build/installer/$preset"
rm -rf "$out"
mkdir -p "$out"
arch="$(TERVANE_STAGE_STRICT=1 bash scripts/make-installer.sh "build/$preset" "$out/setup.exe")"
setup="build/installer/tervane-$version-$arch-setup.exe"
mv "$out/setup.exe" "$setup"
echo "$setup"
