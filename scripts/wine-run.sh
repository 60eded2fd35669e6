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
# A failure with no output at all means the program never ran (Wine could not start it,
# seen once in a few thousand starts on a loaded host): every test program prints before
# it tests anything. It is started once more, and said so; a test that fails prints.
if [ "$rc" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$errs" ]; then
  echo "wine-run: $1 ended with $rc before printing anything; starting it once more" >&2
  wine "$@" >"$out" 2>"$errs" </dev/null
  rc=$?
fi
cat "$out"
cat "$errs" >&2
rm -f "$out" "$errs"
exit $rc
