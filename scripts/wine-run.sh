#!/usr/bin/env bash
# Runs a Windows program under the project's own Wine prefix (CMake's emulator).
# Output goes through files: Wine's helper processes (services, explorer) inherit the
# standard handles and would keep a pipe open long after the program ended.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
tervane_ensure_prefix
out="$(mktemp)"
errs="$(mktemp)"
wine "$@" >"$out" 2>"$errs" </dev/null
rc=$?
cat "$out"
cat "$errs" >&2
rm -f "$out" "$errs"
exit $rc
