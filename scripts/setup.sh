#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the demo and the installer need.
# Installs only what is missing, so a second run is quick.
set -euo pipefail
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  updated=0
fi
for p in cmake make g++ googletest g++-mingw-w64-i686-posix mingw-w64-i686-dev \
         wine wine32:i386 xvfb xauth x11-utils imagemagick nsis; do
  have "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi
