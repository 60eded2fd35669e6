#!/usr/bin/env bash
# One whole cleaning by keyboard alone under Wine: the driver posts key messages to the
# focused control and never a mouse message. Ctrl+Tab turns the Clean page to the Windows
# tab, access keys tick its boxes, Alt+A asks "Clean All" and Esc takes the question back,
# Tab reaches the "Clean Windows" bar and Enter cleans, Enter answers the done message,
# Alt+R opens the Run history and Esc closes it, Alt+Q quits.
#   keyboard_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-keys-e2e
data="$WINEPREFIX/drive_c/tervane-keys-data"
rm -rf "$data"
mkdir -p "$data/Recent" "$data/Temp" "$data/Downloaded"
echo trace >"$data/Recent/letter.txt.lnk"
echo old >"$data/Temp/old.tmp"
touch -d "3 days ago" "$data/Temp/old.tmp"
echo new >"$data/Temp/new.tmp"
echo ocx >"$data/Downloaded/control.ocx"
runmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU'
wine reg delete "$runmru" /f >/dev/null 2>&1
reg_add "$runmru" /v a /d 'notepad\1'
reg_add "$runmru" /v MRUList /d 'a'
quiet_start
tick_all 0
setini Win1 'C:\tervane-keys-data\Recent\'
setini Win2 'C:\tervane-keys-data\Temp\'
setini Win3 'C:\tervane-keys-data\Downloaded\'
on_stop() { rm -rf "$data"; wine reg delete "$runmru" /f >/dev/null 2>&1; }
title="Tervane 6.6"
keys() { drive keys "$@" || check "keys $*" refused typed; }
focus() { drive_out focus "$1" | tr -d '\r'; }

start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
check "focus as the window opens" "$(focus "$title")" "ToolbarWindow32 Clean"
# Internet Explorer, Netscape, Opera, Windows: three turns, whichever tabs are on.
for _ in 1 2 3 4 5; do
  keys "$title" ctrl+tab
  [ "$(drive_out visible "$title" "Windows Doc History" | tr -d '\r')" = yes ] && break
done
check "Windows tab shown by Ctrl+Tab" "$(drive_out visible "$title" "Windows Doc History" | tr -d '\r')" yes
keys "$title" ctrl+tab ctrl+shift+tab
check "Ctrl+Tab and back" "$(drive_out visible "$title" "Windows Doc History" | tr -d '\r')" yes
# Windows Doc History, Downloaded..., Temporary Files, Windows Run History.
keys "$title" alt+o alt+l alt+f alt+u
for box in "Windows Doc History" "Downloaded Program Files Directory" \
  "Windows Temporary Files Directory" "Windows Run History"; do
  drive checked "$title" "$box" || check "$box ticked by its access key" unticked ticked
done
shot keyboard-windows-tab

# Alt+A asks; Esc takes the question back and nothing is cleaned.
keys "$title" alt+a
drive wait "Clean All" 20 || check "Clean All question" absent shown
check "focus in the question" "$(focus "Clean All")" "Button Clean"
keys "Clean All" esc
drive gone "Clean All" 10 || check "Esc closes the question" open closed
check "nothing cleaned after Esc" "$(gone "$data/Temp/old.tmp")" present

# Tab along the layout to the "Clean Windows" bar, Enter on it.
reached=no
for _ in $(seq 1 40); do
  keys "$title" tab
  if [ "$(focus "$title")" = "ToolbarWindow32 Clean Windows" ]; then reached=yes; break; fi
done
check "Tab reaches the Clean Windows bar" "$reached" yes
keys "$title" enter
drive wait Info 60 || check "done message" absent shown
shot keyboard-done
keys Info enter
drive gone Info 10 || check "Enter answers the done message" open closed

# Alt+R: the Run history, closed by Esc.
keys "$title" alt+r
drive wait "View Run History" 20 || check "Run history by Alt+R" absent shown
check "focus in the Run history" "$(focus "View Run History")" "ListBox "
keys "View Run History" esc
drive gone "View Run History" 10 || check "Esc closes the Run history" open closed

# With a screenshot folder: the windows at their first size and enlarged, opened and
# closed by keys too.
if [ -n "$shots" ]; then
  enlarged() {  # enlarged <title> <name>: a shot as it opened, then at 900 x 680
    shot "$2-default"
    drive resize "$1" 900 680
    shot "$2-enlarged"
  }
  enlarged "$title" keyboard-main-windows-tab
  keys "$title" alt+p
  shot keyboard-main-path-enlarged
  keys "$title" alt+c alt+r
  drive wait "View Run History" 20 && enlarged "View Run History" keyboard-run-history
  keys "View Run History" esc
  drive gone "View Run History" 10 || check "Esc closes the enlarged Run history" open closed
  # Never below the size it opened with.
  drive resize "$title" 200 150
  shot keyboard-main-smallest
fi

keys "$title" alt+q
wait_end "program ends on Alt+Q"

check "recent document" "$(gone "$data/Recent/letter.txt.lnk")" gone
check "old temporary file" "$(gone "$data/Temp/old.tmp")" gone
check "today's temporary file" "$(gone "$data/Temp/new.tmp")" present
check "downloaded control" "$(gone "$data/Downloaded/control.ocx")" gone
check "Run history value" "$(reg_string "$runmru" a)" absent
check "[Rensa] Value14 ticked by key and saved" "$(ini Rensa Value14)" 1
finish "keyboard end to end"
