#!/usr/bin/env bash
# Automatic cleaning end to end under Wine: the auto-start box writes and removes the
# "Cleaner" entry with the program's real path; "Start Automatic Cleaning" hides the
# window behind a notification icon; a double-click message to the icon brings it back;
# an unattended run on the two-minute schedule records its date without a message box;
# "Close" in the icon's menu ends the program, which saves its settings on the way out.
#   automatic_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-auto-e2e
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# A quiet start: no path search, no notice, no path detection. The schedule: every two
# minutes, "All"; the close box is ticked in the file. No area has a path, and every
# Windows box is off, so the unattended run only records its date.
quiet_start
setini AutomaticClose 1
setini Hour 0
setini Minute 1
setini Clean 0
tick_all 0
wine reg delete "$run_key" /v Cleaner /f >/dev/null 2>&1

title="Tervane 6.6"
start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 2  # Maintenance
sleep 0.5

drive click "$title" "Auto-Start on Windows Startup" || check "auto-start box" missing present
sleep 1
check "Cleaner after ticking" "$(reg_string "$run_key" Cleaner)" 'C:\tervane-auto-e2e\vorn66.exe'
drive click "$title" "Auto-Start on Windows Startup"
sleep 1
check "Cleaner after unticking" "$(reg_string "$run_key" Cleaner)" absent

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
wait_end "program ends on Close"
check "[Inst] AutomaticClose saved from the unticked box" "$(ini Inst AutomaticClose)" 0
check "[Automatic] Minute saved" "$(ini Automatic Minute)" 1
check "[Inst] Autostart saved" "$(ini Inst Autostart)" 0
finish "automatic cleaning end to end"
