#!/usr/bin/env bash
# Copies the built programs and the delivered data files into a program folder:
#   install-programs.sh <build tree> <program folder>
# Programs that are not built in this tree are left out.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
target="$2"
mkdir -p "$target"
for exe in main/vorn66.exe scoutry/scoutry.exe vesper/vesper.exe; do
  [ -f "$build/$exe" ] && cp "$build/$exe" "$target/"
done
# Data files; settings files only when the folder has none yet, so a second install keeps
# the user's settings.
for f in "$root"/data/*; do
  name="$(basename "$f")"
  case "$name" in
    vorn66.ico) continue ;;  # built into the program
    mainten.ini|url.ini) [ -f "$target/$name" ] || cp "$f" "$target/" ;;
    *) cp -r "$f" "$target/" ;;
  esac
done
