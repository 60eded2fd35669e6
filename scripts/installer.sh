#!/usr/bin/env bash
# Builds the Windows programs and packs them with their data files into
# build/installer/tervane-setup.exe.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows
bash scripts/stage.sh build/installer/stage
makensis -V2 -DSTAGE="$PWD/build/installer/stage" -DOUTFILE="$PWD/build/installer/tervane-setup.exe" \
  installer/tervane.nsi
echo "installer: build/installer/tervane-setup.exe"
