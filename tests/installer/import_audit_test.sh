#!/usr/bin/env bash
# import_audit_test.sh <table> <arch> <objdump> <probe.exe> <release.exe>
# The audit passes a release program and refuses one with a newer call and an unlisted DLL.
set -uo pipefail
audit="$(dirname "${BASH_SOURCE[0]}")/import_audit.sh"
table="$1" arch="$2" objdump="$3" probe="$4" release="$5"
fail=0
bash "$audit" "$table" "$arch" "$objdump" "$release" >/dev/null || { echo "FAIL: the release program was refused"; fail=1; }
out="$(bash "$audit" "$table" "$arch" "$objdump" "$probe")" && { echo "FAIL: the probe passed"; fail=1; }
grep -q "KERNEL32.DLL GetFileSizeEx is not in the table" <<<"$out" || { echo "FAIL: GetFileSizeEx not named"; fail=1; }
# A call of Windows 98 is below the 64-bit build's floor (XP x64): only the release refuses it.
if [ "$arch" = win32 ]; then
  grep -q "USER32.DLL SendInput needs 98" <<<"$out" || { echo "FAIL: SendInput not refused"; fail=1; }
fi
grep -q "VERSION.DLL is not in the table" <<<"$out" || { echo "FAIL: VERSION.DLL not named"; fail=1; }
echo "$out"
exit $fail
