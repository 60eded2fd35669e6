#!/usr/bin/env bash
# The cleaner end to end under Wine: vorn66.exe starts on a fresh program folder, runs the
# path search tool and waits for it, shows "Tervane 6.6" with the notice, shows every
# page, and on close leaves the settings file as the next start needs it.
#   vorn66_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-e2e
# A machine that has used Internet Explorer has this folder; without it the first start's
# path detection would (rightly) stop at its "path does not exist" message.
mkdir -p "$WINEPREFIX/drive_c/windows/Downloaded Program Files"

launch_cleaner
if [ -f "$folder/scoutry.exe" ]; then
  drive wait Search 60 || { echo "FAIL: scoutry did not start"; stop; exit 1; }
  # The cleaner waits for the search tool: no main window while it runs.
  if drive wait "Tervane 6.6" 1; then check "main window while scoutry runs" shown absent; fi
  drive click Search "Start searching"
  drive gone Search 600 || check "scoutry ends after its search" running ended
else
  # Without the search tool the start logs the failed start and goes on.
  echo "note: scoutry.exe is not built in this tree"
fi

drive wait "Notice!" 60 || { echo "FAIL: no notice"; stop; exit 1; }
drive wait "Tervane 6.6" 5 || check "main window" absent shown
drive click "Notice!" "OK"
drive gone "Notice!" 10 || check "notice closes with OK" open closed
sleep 1
for page in 0 1 2 3 4 5; do
  drive nav "$page" || check "navigation button $page" missing present
  sleep 1
  [ -n "$shots" ] && import -window root "$shots/vorn66-page-$page.png"
done
if [ -n "$shots" ]; then
  drive nav 0; drive tab 3; sleep 1; import -window root "$shots/vorn66-clean-windows.png"
  drive nav 1; drive tab 1; sleep 1; import -window root "$shots/vorn66-path-netscape.png"
  drive nav 0
fi
drive close "Tervane 6.6"
wait_end "program ends when closed"

check "[Inst] Scoutry" "$(ini Inst Scoutry)" 0
check "[Path] Detect" "$(ini Path Detect)" 1
check "[Path] Win2 detected" "$(ini Path Win2)" 'C:\windows\Temp\'
check "[Path] IE1 detected" "$(ini Path IE1 | tr 'A-Z' 'a-z' | grep -c 'history')" 1
for k in $(seq 1 25); do
  v="$(ini Rensa "Value$k")"
  [ "$v" = 0 ] || [ "$v" = 1 ] || check "[Rensa] Value$k" "$v" "0 or 1"
done
check "[Inst] Showtip after OK" "$(ini Inst Showtip)" 1
log="$(tr -d '\r' <"$folder/vorn.log")"
echo "$log" | head -1 | grep -q "Session Started at line 0 -  VORN 6.6 (0)" ||
  check "banner" "$(echo "$log" | head -1)" "Session Started ..."
if [ ! -f "$folder/scoutry.exe" ]; then
  echo "$log" | grep -q "Load at line 3 - File not found (53)" ||
    check "missing scoutry logged" no yes
fi

# A second start: the search tool is not run again. The Opera tab is switched off in the
# file; ticking its box on the Maintenance page and leaving through "Quit" writes it back,
# and "Do not prompt in the future." keeps the notice away from now on.
sed -i 's/^Opera=1\r*$/Opera=0\r/' "$folder/mainten.ini"
check "[Tab] Opera before the second start" "$(ini Tab Opera)" 0
launch_cleaner
drive wait "Notice!" 60 || { echo "FAIL: no notice at the second start"; stop; exit 1; }
if drive wait Search 0; then check "search tool at the second start" running "not started"; fi
drive click "Notice!" "Do not prompt in the future."
sleep 0.5
drive click "Notice!" "OK"
drive gone "Notice!" 10 || check "notice closes with OK" open closed
sleep 2
[ -n "$shots" ] && import -window root "$shots/vorn66-opera-off.png"
drive nav 2
drive click "Tervane 6.6" "Opera" || check "Opera box on the Maintenance page" missing present
sleep 0.5
drive nav 6  # Quit
wait_end "program ends on Quit"
check "[Tab] Opera after Quit" "$(ini Tab Opera)" 1
check "[Inst] Showtip after ticking the notice box" "$(ini Inst Showtip)" 0
check "[UserDef] UDname1 after Quit" "$(ini UserDef UDname1)" "User Defined 1"
check "sessions in the log" "$(tr -d '\r' <"$folder/vorn.log" | grep -c 'Session Started')" 2

# A third start cleans Windows for real. Traces are seeded where detection pointed the
# paths, the Windows boxes start unticked, the user ticks six of them on the Clean page,
# presses "Clean Windows" and answers the done message.
unix() { winepath -u "$1" 2>/dev/null; }
recent="$(unix "$(ini Path Win1)")"
temp="$(unix "$(ini Path Win2)")"
dpf="$(unix "$(ini Path Win3)")"
mkdir -p "$recent" "$temp" "$dpf"
echo trace >"$recent/tervane-e2e letter.lnk"
echo old >"$temp/tervane-e2e-old.tmp"
touch -d "3 days ago" "$temp/tervane-e2e-old.tmp"
echo new >"$temp/tervane-e2e-new.tmp"
echo ocx >"$dpf/tervane-e2e.ocx"
echo chk >"$WINEPREFIX/drive_c/FILE0000.CHK"
# Wine's Recycle Bin is the desktop trash of HOME, which wine-env.sh points into build/.
trash="$XDG_DATA_HOME/Trash"
case "$trash" in "$root"/build/*) ;; *) echo "FAIL: trash outside the project: $trash"; exit 1 ;; esac
mkdir -p "$trash/files" "$trash/info"
echo binned >"$trash/files/tervane-e2e-bin.txt"
printf '[Trash Info]\nPath=/tmp/tervane-e2e-bin.txt\nDeletionDate=2026-01-01T00:00:00\n' \
  >"$trash/info/tervane-e2e-bin.txt.trashinfo"
runmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU'
wine reg add "$runmru" /v a /d notepad /f >/dev/null 2>&1
wine reg add "$runmru" /v u /d kept /f >/dev/null 2>&1
sed -i -E 's/^(Value(1[4-9]|2[01]))=[0-9]+\r?$/\1=0\r/' "$folder/mainten.ini"
launch_cleaner
drive wait "Tervane 6.6" 60 || { echo "FAIL: no main window at the third start"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 3
sleep 0.5
for box in "Windows Doc History" "Downloaded Program Files Directory" \
  "Windows Temporary Files Directory" "Recycle Bin" "*.chk, Scandisc Files" \
  "Windows Run History"; do
  drive click "Tervane 6.6" "$box" || check "box $box" missing present
  sleep 0.3
done
drive toolbar "Clean Windows" || check "Clean Windows toolbar" missing present
drive wait Info 60 || check "done message" absent shown
[ -n "$shots" ] && import -window root "$shots/vorn66-cleaned.png"
drive click Info OK
drive gone Info 10 || check "done message closes with OK" open closed
drive nav 3
sleep 1
[ -n "$shots" ] && import -window root "$shots/vorn66-statistics.png"
drive close "Tervane 6.6"
wait_end "program ends after the clean"

check "recent document" "$(gone "$recent/tervane-e2e letter.lnk")" gone
check "old temporary file" "$(gone "$temp/tervane-e2e-old.tmp")" gone
check "today's temporary file" "$(gone "$temp/tervane-e2e-new.tmp")" present
check "downloaded control" "$(gone "$dpf/tervane-e2e.ocx")" gone
check "check-disk fragment" "$(gone "$WINEPREFIX/drive_c/FILE0000.CHK")" gone
check "Recycle Bin item" "$(gone "$trash/files/tervane-e2e-bin.txt")" gone
query() { wine reg query "$runmru" /v "$1" >/dev/null 2>&1 && echo present || echo gone; }
check "RunMRU a" "$(query a)" gone
check "RunMRU u" "$(query u)" present
check "[Rensa] Value14 ticked and saved" "$(ini Rensa Value14)" 1
check "[Statistics] Current after one run" "$(ini Statistics Current)" 2
[ -n "$(ini Statistics Date1)" ] || check "[Statistics] Date1" empty "the run's date"
[ "$(ini Senast Value1)" != Never ] || check "[Senast] Value1" Never "the run's date"
rm -f "$temp/tervane-e2e-new.tmp"
wine reg delete "$runmru" /f >/dev/null 2>&1

# Cleaning again with the Windows boxes still ticked. clean_windows <what>: start, press
# "Clean Windows", answer the done message, close.
clean_windows() {
  launch_cleaner
  drive wait "Tervane 6.6" 60 || { check "main window ($1)" absent shown; return; }
  sleep 1
  drive nav 0
  drive tab 3
  sleep 0.5
  drive toolbar "Clean Windows" || check "Clean Windows toolbar ($1)" missing present
  answer_done "done message ($1)"
  drive close "Tervane 6.6"
  wait_end "program ends ($1)"
}

# The Downloaded Program Files folder holds Unix links to a folder and a file outside
# the prefix, as a prefix's user folders are: only what lies in the folder itself goes.
outside="$TERVANE_WINE_DIR/tervane-e2e-outside"
rm -rf "$outside"
mkdir -p "$outside/inner" "$dpf/CONFLICT.1"
echo keep >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"
echo ocx >"$dpf/tervane-e2e.ocx"
echo old >"$dpf/CONFLICT.1/old.ocx"
ln -s "$outside" "$dpf/CONFLICT.1/tervane-e2e-home"
ln -s "$outside/keep.txt" "$dpf/tervane-e2e-note.txt"
clean_windows "links"
check "outside file" "$(cat "$outside/keep.txt" 2>/dev/null)" keep
check "outside file in a sub-folder" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep
check "downloaded control beside the links" "$(gone "$dpf/tervane-e2e.ocx")" gone
check "file in the folder holding a link" "$(gone "$dpf/CONFLICT.1/old.ocx")" gone
log="$(tr -d '\r' <"$folder/vorn.log")"
echo "$log" | grep -q "cmdCleanWin at line 0 - [0-9]* entries could not be removed; the first, .*: a link, left in place (75)" ||
  check "links left in place logged" no yes
rm -rf "$dpf/CONFLICT.1" "$dpf/tervane-e2e-note.txt" "$outside"

# The path set by hand in mainten.ini to the drive root, then to the Windows folder:
# nothing there is deleted, and the log says why.
drive_c="$WINEPREFIX/drive_c"
echo root >"$drive_c/tervane-e2e-root.txt"
echo win >"$drive_c/windows/tervane-e2e-win.txt"
for path in 'C:\' 'C:\windows\'; do
  sed -i -E "s/^Win3=.*$/Win3=${path//\\/\\\\}\r/" "$folder/mainten.ini"
  check "[Path] Win3 set by hand" "$(ini Path Win3)" "$path"
  clean_windows "$path"
  check "file in the drive root ($path)" "$(gone "$drive_c/tervane-e2e-root.txt")" present
  check "file in the Windows folder ($path)" "$(gone "$drive_c/windows/tervane-e2e-win.txt")" present
  check "Windows folder's system folder ($path)" "$(gone "$drive_c/windows/system32")" present
  tr -d '\r' <"$folder/vorn.log" | grep -qF "$path is a system folder and cannot be cleaned" ||
    check "refusal of $path logged" no yes
done
rm -f "$drive_c/tervane-e2e-root.txt" "$drive_c/windows/tervane-e2e-win.txt"
finish "vorn66 end to end"
