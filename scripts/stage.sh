#!/usr/bin/env bash
# Lays out a fresh program folder from a Windows build tree: the three programs and every
# file of data/ except the ones built into the programs. What other scripts ship (the
# installer, the release zips, the test installs) comes from here.
#   stage.sh <windows build tree> <folder>
# A program that is not built in the tree is left out with a warning; TERVANE_STAGE_STRICT=1
# makes that an error (releases). TERVANE_STAGE_EXTRA names a folder whose files are added
# where data/ delivers no file of that name (the installer test's sample files).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
dest="$2"
rm -rf "$dest"
mkdir -p "$dest"
for exe in main/vorn66.exe scoutry/scoutry.exe vesper/vesper.exe; do
  if [ -f "$build/$exe" ]; then
    cp "$build/$exe" "$dest/"
  elif [ "${TERVANE_STAGE_STRICT:-0}" = 1 ]; then
    echo "stage: $build/$exe is not built" >&2
    exit 1
  else
    echo "stage: note: $exe is not built in $build" >&2
  fi
done
# The icon and the manifest are compiled into the programs. A manifest file beside the
# program would override the built-in one on Windows XP, with the wrong architecture in
# the 64-bit build.
(cd "$root/data" && find . -mindepth 1 -maxdepth 1 \
  ! -name vorn66.exe.manifest ! -name vorn66.ico -exec cp -r {} "$dest/" \;)
if [ -n "${TERVANE_STAGE_EXTRA:-}" ]; then
  cp -rn "$TERVANE_STAGE_EXTRA"/. "$dest/"
fi
