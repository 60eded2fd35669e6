#!/usr/bin/env bash
# Runs the link-loop test program after planting, on the prefix's C:, folders holding
# Unix symbolic links back up the tree (Wine lists them as folders with the
# reparse-point attribute); removes them afterwards.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
tervane_ensure_prefix
root="${WINEPREFIX:?}/drive_c/tervane-e2e-loop"
rm -rf "$root"
mkdir -p "$root/a/Cookies"
printf x >"$root/a/Cookies/index.dat"
ln -s .. "$root/a/up"
ln -s "$root" "$root/a/Cookies/again"
bash "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-run.sh" "$@"
rc=$?
rm -rf "$root"
exit $rc
