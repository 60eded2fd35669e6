#!/usr/bin/env bash
# Copies what is delivered (the three programs and data/) into one folder: the layout of
# an installed program folder. Usage: stage.sh FOLDER
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
dest="$1"
rm -rf "$dest"
mkdir -p "$dest"
for exe in vorn66 scoutry vesper; do
  found=$(find build/windows -name "$exe.exe" -not -path '*/CMakeFiles/*' | head -n1)
  if [ -n "$found" ]; then
    cp "$found" "$dest/"
  else
    echo "stage: $exe.exe is not built" >&2
  fi
done
if [ -d data ]; then
  cp -r data/. "$dest/"
fi
