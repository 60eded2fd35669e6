#!/usr/bin/env bash
# Automatic cleaning end to end under Wine: the auto-start box writes and removes the
# "Cleaner" entry with the program's real path; "Start Automatic Cleaning" hides the
# window behind a notification icon; a double-click message to the icon brings it back;
# an unattended run on the two-minute schedule records its date without a message box;
# "Close" in the icon's menu ends the program, which saves its settings on the way out.
#   automatic_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$1"
shots="${2:-}"
source "$root/scripts/wine-env.sh"
tervane_ensure_prefix

folder="$WINEPREFIX/drive_c/tervane-auto-e2e"
rm -rf "$folder"
bash "$root/scripts/install-programs.sh" "$build" "$folder"
rm -f "$folder/scoutry.exe"
driver="$build/tests/e2e/vorn66_driver.exe"
out="$(mktemp -d)"
drive() { wine "$driver" "$@" >>"$out/driver.txt" 2>&1 </dev/null; }
ini() {  # ini <section> <key>: the value in the program folder's mainten.ini
  awk -v s="[$1]" -v k="$2" 'BEGIN{IGNORECASE=1} {sub(/\r$/,"")}
    /^\[/{in_s = (tolower($0) == tolower(s)); next}
    in_s && index(tolower($0), tolower(k) "=") == 1 {print substr($0, length(k) + 2); exit}' \
    "$folder/mainten.ini"
}
setini() {  # setini <key> <value>: a key that occurs once in the delivered file
  sed -i -E "s/^$1=[^\r]*\r?$/$1=$2\r/" "$folder/mainten.ini"
}
failures=0
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
cleaner() {  # the data of the "Cleaner" value, or "absent"
  local line
  line="$(wine reg query "$run_key" /v Cleaner 2>/dev/null | tr -d '\r' | grep -i 'Cleaner')"
  [ -n "$line" ] && echo "${line#*REG_SZ}" | sed -E 's/^[[:space:]]+//' || echo absent
}

# A quiet start: no path search, no notice, no path detection. The schedule: every two
# minutes, "All"; the close box is ticked in the file. No area has a path, and every
# Windows box is off, so the unattended run only records its date.
setini Scoutry 0
setini Showtip 0
setini Detect 1
setini AutomaticClose 1
setini Hour 0
setini Minute 1
setini Clean 0
sed -i -E '/^\[Rensa\]/,/^\[Senast\]/ s/^(Value[0-9]+)=[0-9]+\r?$/\1=0\r/' "$folder/mainten.ini"
wine reg delete "$run_key" /v Cleaner /f >/dev/null 2>&1

wine 'C:\tervane-auto-e2e\vorn66.exe' >"$out/vorn66.txt" 2>&1 </dev/null &
pid=$!
stop() { kill "$pid" 2>/dev/null; rm -rf "$out"; }
title="Tervane 6.6"
drive wait "$title" 60 || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 2  # Maintenance
sleep 0.5

drive click "$title" "Auto-Start on Windows Startup" || check "auto-start box" missing present
sleep 1
check "Cleaner after ticking" "$(cleaner)" 'C:\tervane-auto-e2e\vorn66.exe'
drive click "$title" "Auto-Start on Windows Startup"
sleep 1
check "Cleaner after unticking" "$(cleaner)" absent

drive checked "$title" "Close application after cleaning" || check "close box from the file" off on
drive click "$title" "Start Automatic Cleaning" || check "start button" missing present
drive shown "$title" 0 10 || check "main window after Start" shown hidden
drive trayicon "$title" || check "notification icon after Start" absent present
[ -n "$shots" ] && import -window root "$shots/vorn66-in-tray.png"

drive traymouse "$title" dblclick || check "double-click message" unsent sent
drive shown "$title" 1 10 || check "main window after a double-click" hidden shown
if drive trayicon "$title"; then check "icon after the double-click" present absent; fi
drive has "$title" "Stop Automatic Cleaning" || check "caption while restored" other Stop
if drive checked "$title" "Close application after cleaning"; then
  check "close box while automatic" on off
fi
drive click "$title" "Stop Automatic Cleaning"
sleep 1
drive checked "$title" "Close application after cleaning" || check "close box after Stop" off on

# On again, with the close box unticked by the start: the two-minute schedule runs
# unattended and leaves no message box behind.
drive click "$title" "Start Automatic Cleaning"
drive shown "$title" 0 10 || check "main window after the second Start" shown hidden
for _ in $(seq 1 100); do
  [ "$(ini Senast Value1)" != Never ] && break
  sleep 2
done
[ "$(ini Senast Value1)" != Never ] || check "unattended run within its minute" none "a run"
sleep 2
if drive wait Info 0; then check "message box after an unattended run" shown none; fi
if ! kill -0 "$pid" 2>/dev/null; then check "program after the unattended run" ended running; fi

drive traymouse "$title" rdown || check "right-button message" unsent sent
[ -n "$shots" ] && { sleep 1; import -window root "$shots/vorn66-tray-menu.png"; }
drive menu 0 || check "tray menu" absent "Close chosen"
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then check "program ends on Close" running ended; fi
check "[Inst] AutomaticClose saved from the unticked box" "$(ini Inst AutomaticClose)" 0
check "[Automatic] Minute saved" "$(ini Automatic Minute)" 1
check "[Inst] Autostart saved" "$(ini Inst Autostart)" 0

stop
[ "$failures" -eq 0 ] && echo "automatic cleaning end to end: passed"
exit $((failures > 0))
