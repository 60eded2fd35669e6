#!/usr/bin/env bash
# Cleaning rules end to end under Wine. A winapp2.ini beside the program holds entries
# that match this prefix (files, HKCU values) and entries that do not, an entry with a
# warning, one naming an HKLM value, an ExcludeKey, a REMOVESELF folder holding a link to
# a folder outside the prefix, and a malformed entry. The Plugins tab lists exactly the
# matching ones; Analyze, then "Clean Plugins", removes what the ticked ones name minus
# the excluded file; the link and its target stay, HKLM is untouched, the log names the
# malformed line. Then "Additional Garbage" alone removes its seeded files and nothing
# else on drive C:.
#   rules_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/host-arch.sh"
export TERVANE_WINE_ARCH="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}"
# A prefix of its own: the drive snapshot must see only what this script changes.
export TERVANE_WINE_DIR="$(cd "$here/../.." && pwd)/build/rules-$TERVANE_WINE_ARCH"
source "$here/e2e_common.sh" "$1" tervane-rules-e2e
quiet_start
drive_c="$WINEPREFIX/drive_c"

app="$drive_c/Program Files/RulesApp"
outside="$TERVANE_WINE_DIR/rules-outside"
rm -rf "$app" "$outside"
mkdir -p "$app/Cache/Sub" "$app/Old/Deep" "$outside/inner"
for f in Cache/a.tmp Cache/b.dat Cache/keep.dat Cache/note.txt Cache/Sub/c.tmp Old/x.dat \
  Old/Deep/y.dat app.log settings.txt old.bak; do
  echo "$f" >"$app/$f"
done
echo mine >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"
ln -sfn "$outside" "$app/Old/outside-link"
user='HKCU\Software\RulesApp'
machine='HKLM\Software\RulesApp'
reg_add "$user" /v LastFile /d 'C:\a.txt'
reg_add "$user" /v Size /d 10
reg_add "$user" /v Settings /d kept
reg_add "$user\\Recent" /v File1 /d 'C:\b.txt'
reg_add "$machine" /v InstallPath /d 'C:\Program Files\RulesApp'

# Line numbers matter: the log must name line 40 of the malformed entry.
printf '%s\r\n' \
  '; rules for the end-to-end test' \
  '[Match Files *]' \
  'LangSecRef=3021' \
  'DetectFile=%ProgramFiles%\RulesApp' \
  'FileKey1=%ProgramFiles%\RulesApp\Cache|*.tmp;*.dat|RECURSE' \
  'ExcludeKey1=FILE|%ProgramFiles%\RulesApp\Cache\|keep.dat' \
  '' \
  '[Match Registry *]' \
  'Detect=HKCU\Software\RulesApp' \
  'RegKey1=HKCU\Software\RulesApp|LastFile' \
  'RegKey2=HKCU\Software\RulesApp\Recent' \
  '' \
  '[Match Removeself *]' \
  'DetectFile=%ProgramFiles%\RulesApp\Old' \
  'FileKey1=%ProgramFiles%\RulesApp\Old|*.*|REMOVESELF' \
  '' \
  '[Not Installed *]' \
  'DetectFile=%ProgramFiles%\NoSuchApp' \
  'FileKey1=%ProgramFiles%\RulesApp|*.log' \
  '' \
  '[Not In Registry *]' \
  'Detect=HKCU\Software\NoSuchApp' \
  'RegKey1=HKCU\Software\RulesApp|Size' \
  '' \
  '[With Warning *]' \
  'Detect=HKCU\Software\RulesApp' \
  'Warning=This removes the settings of RulesApp.' \
  'RegKey1=HKCU\Software\RulesApp|Settings' \
  '' \
  '[Machine Keys *]' \
  'DetectFile=%ProgramFiles%\RulesApp' \
  'RegKey1=HKLM\Software\RulesApp|InstallPath' \
  'FileKey1=%ProgramFiles%\RulesApp|*.bak' \
  '' \
  '' \
  '' \
  '[Malformed *]' \
  'DetectFile=%ProgramFiles%\RulesApp' \
  '' \
  'FileKey1=%ProgramFiles%\RulesApp|*.txt|EVERYTHING' >"$folder/winapp2.ini"

# "Additional Garbage" alone, for the second half; its files are seeded now, so that the
# plugin cleaning is seen to leave them.
tick_all 0
sed -i -E 's/^Value21=[0-9]+\r?$/Value21=1\r/' "$folder/mainten.ini"
win="$drive_c/windows"
mkdir -p "$win/help" "$win/Minidump" "$win/Drwatson"
garbage=(help/rules-e2e.gid help/rules-e2e.fts help/rules-e2e.ftg Minidump/rules-e2e.dmp
  MEMORY.DMP Drwatson/rules-e2e.wlg)
for f in "${garbage[@]}"; do echo garbage >"$win/$f"; done
for f in help/rules-e2e.hlp help/rules-e2e.cnt Drwatson/rules-e2e.txt Minidump/keep.txt; do
  echo keep >"$win/$f"
done

state() {  # the seeded files with sizes, and the seeded keys, as one text
  (cd "$drive_c" && find "Program Files/RulesApp" -printf '%p %s %l\n' | sort)
  wine reg query "$user" /s 2>/dev/null | tr -d '\r'
  wine reg query "$machine" /s 2>/dev/null | tr -d '\r'
}
snapshot() {  # every entry of drive C: but the program folder's own files, with its size
  (cd "$drive_c" && find . -path "./$folder_name" -prune -o -printf '%p %s %l\n' | sort)
}

start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 5
sleep 1
shot rules-plugins-tab
listed="$(drive_out lvitems 1 | tr -d '\r')"
check "the entries found on this computer, the one with a warning unticked" "$listed" \
  "$(printf '1 Match Files\n1 Match Registry\n1 Match Removeself\n0 With Warning\n1 Machine Keys')"
# Ticking the entry with a warning shows it; Cancel leaves it unticked.
drive lvtick 1 3 1
drive wait Warning 10 || check "the warning when ticked" absent shown
shot rules-warning
drive click Warning Cancel
drive gone Warning 10 || check "the warning closes" open closed
check "entry still unticked after Cancel" "$(drive_out lvitems 1 | tr -d '\r' | sed -n 4p)" \
  "0 With Warning"
check "no ticks saved after Cancel" "$(gone "$folder/winapp2-ticks.ini")" gone

before="$(state)"
drive vclick "Tervane 6.6" "Analyze" || check "Analyze button on the Plugins tab" missing present
drive wait Analysis 60 || check "Analysis window" absent shown
sleep 1
shot rules-analysis
save_as Analysis saved-analysis.txt
analysis="$(tr -d '\r' <"$folder/saved-analysis.txt")"
[ -n "$shots" ] && echo "$analysis" >"$shots/rules-plugins-analysis.txt"
drive click Analysis Close
drive gone Analysis 10 || check "Analysis closes" open closed
check "analysis changes nothing" "$(state)" "$before"
for name in "Match Files" "Match Removeself" "Machine Keys"; do
  echo "$analysis" | grep -qF "$name" || check "analysis names $name" no yes
done
echo "$analysis" | grep -qF 'RulesApp\Cache\a.tmp' || check "analysis lists a file" no yes
echo "$analysis" | grep -qF 'RulesApp\Cache\keep.dat' && check "analysis lists the excluded file" yes no

drive toolbar "Clean Plugins" || check "Clean Plugins toolbar" missing present
answer_done "done message after Clean Plugins"
[ -n "$shots" ] && tr -d '\r' <"$folder/vorn-report.txt" >"$shots/rules-report.txt"

for f in Cache/a.tmp Cache/b.dat Cache/Sub/c.tmp Old/x.dat Old/Deep/y.dat old.bak; do
  check "$f" "$(gone "$app/$f")" gone
done
for f in Cache/keep.dat Cache/note.txt app.log settings.txt Old/outside-link; do
  check "$f" "$(gone "$app/$f")" present
done
check "outside file behind the link" "$(cat "$outside/keep.txt" 2>/dev/null)" mine
check "outside folder behind the link" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep
check "HKCU value named" "$(reg_string "$user" LastFile)" absent
check "HKCU key named" "$(reg_key "$user\\Recent")" gone
check "HKCU value of an entry not found" "$(reg_string "$user" Size)" 10
check "HKCU value of the unticked warning entry" "$(reg_string "$user" Settings)" kept
check "HKLM value" "$(reg_string "$machine" InstallPath)" 'C:\Program Files\RulesApp'
log="$(tr -d '\r' <"$folder/vorn.log")"
echo "$log" | grep -qF 'entry [Malformed] skipped: line 40: unknown flag "EVERYTHING"' ||
  check "log names the malformed line" "$log" "... entry [Malformed] skipped: line 40 ..."
report="$(tr -d '\r' <"$folder/vorn-report.txt" 2>/dev/null)"
echo "$report" | grep -qF 'HKEY_LOCAL_MACHINE\Software\RulesApp\InstallPath' ||
  check "report lists the HKLM value as not removed" no yes
echo "$report" | grep -qF 'RulesApp\Cache\a.tmp' || check "report lists a removed file" no yes
check "analysis items equal the report's" "$(echo "$analysis" | sed -n '/^== /,$p')" \
  "$(echo "$report" | sed -n '/^== /,$p')"

# "Additional Garbage": Analyze lists its files under the option's name, the cleaning
# removes them and nothing else on C:.
drive tab 3
sleep 1
drive vclick "Tervane 6.6" "Analyze" || check "Analyze button on the Windows tab" missing present
drive wait Analysis 60 || check "Analysis window of Windows" absent shown
save_as Analysis saved-analysis.txt
analysis="$(tr -d '\r' <"$folder/saved-analysis.txt")"
drive click Analysis Close
drive gone Analysis 10
[ -n "$shots" ] && echo "$analysis" >"$shots/rules-garbage-analysis.txt"
echo "$analysis" | grep -qF "Additional Garbage" || check "analysis names Additional Garbage" no yes
echo "$analysis" | grep -qiF 'help\rules-e2e.gid' || check "analysis lists a help index" no yes
before="$(snapshot)"
drive toolbar "Clean Windows" || check "Clean Windows toolbar" missing present
answer_done "done message after Clean Windows"
end_cleaner
after="$(snapshot)"
expected="$(echo "$before" | grep -vF -e help/rules-e2e.gid -e help/rules-e2e.fts \
  -e help/rules-e2e.ftg -e Minidump/rules-e2e.dmp -e './windows/MEMORY.DMP' \
  -e Drwatson/rules-e2e.wlg)"
check "drive C: after Additional Garbage" "$(diff <(echo "$expected") <(echo "$after"))" ""
[ "$(echo "$before" | wc -l)" -gt "$(echo "$after" | wc -l)" ] ||
  check "Additional Garbage removed something" no yes

rm -rf "$app" "$outside"
for f in "${garbage[@]}" help/rules-e2e.hlp help/rules-e2e.cnt Drwatson/rules-e2e.txt \
  Minidump/keep.txt; do rm -f "$win/$f"; done
wine reg delete "$user" /f >/dev/null 2>&1
wine reg delete "$machine" /f >/dev/null 2>&1
finish "rules end to end"
