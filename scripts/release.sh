#!/usr/bin/env bash
# The release: builds the 32-bit and the 64-bit programs and writes to build/release/
#   tervane-<version>-x86-setup.exe   tervane-<version>-x86.zip
#   tervane-<version>-x64-setup.exe   tervane-<version>-x64.zip
#   tervane-<version>-SHA256SUMS      (sha256sum -c checks them)
# Each zip holds the program folder "Tervane" as the installer lays it out.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
release="build/release"
rm -rf "$release"
mkdir -p "$release"
version=""
for preset in windows windows-x64; do
  setup="$(bash scripts/installer.sh "$preset")"
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/$preset/CMakeCache.txt")"
  name="$(basename "$setup" -setup.exe)"  # tervane-<version>-<arch>
  cp "$setup" "$release/"
  folder="$(mktemp -d)"
  cp -r "build/installer/$preset/setup.files/stage" "$folder/Tervane"
  (cd "$folder" && zip -q -X -r "$OLDPWD/$release/$name.zip" Tervane)
  rm -rf "$folder"
done
(cd "$release" && sha256sum -- *.exe *.zip >"tervane-$version-SHA256SUMS")
ls -l "$release"
