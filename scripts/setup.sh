#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the demo and the installer need.
# Installs only what is missing, so a second run is quick. Both MinGW-w64 compilers are
# always installed (both Windows builds are made on every host); of Wine, the 64-bit
# loader always, and the 32-bit one where this host runs 32-bit code.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/host-arch.sh
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packages=(cmake make g++ googletest
          g++-mingw-w64-i686-win32 mingw-w64-i686-dev
          g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
          wine wine64 xvfb xauth x11-utils imagemagick nsis zip)
if tervane_runs_32bit; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  packages+=(wine32:i386)
fi
for p in "${packages[@]}"; do
  have "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi
