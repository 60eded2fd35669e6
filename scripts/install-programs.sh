#!/usr/bin/env bash
# Installs the built programs and the delivered data files into a program folder, as the
# installer does but without it (the run command, the cleaner's end-to-end test):
#   install-programs.sh <build tree> <program folder>
# Programs that are not built in this tree are left out. The user's own files
# (installer/user-files.txt) are copied only where the folder has none yet, so a second
# install keeps the user's settings and lists.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/user-files.sh"
build="$1"
target="$2"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
bash "$root/scripts/stage.sh" "$build" "$stage" 2>/dev/null
mkdir -p "$target"
for f in "$stage"/*; do
  name="$(basename "$f")"
  if tervane_is_user_file "$name" && [ -e "$target/$name" ]; then
    continue
  fi
  cp -r "$f" "$target/"
done
