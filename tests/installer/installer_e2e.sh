#!/usr/bin/env bash
# The installer of this build tree under Wine, as a user meets it: a silent install into a
# folder with blanks in its name, the first start (path search, index.ini), a cleaning
# run, a reinstall over the user's edits, a silent uninstall that keeps the user's files,
# and one that removes them too.
#   installer_e2e.sh <windows build tree>
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "$1" && pwd)"
source "$root/scripts/wine-env.sh"
tervane_ensure_prefix

work="$build/tests/installer/work"
rm -rf "$work"
mkdir -p "$work"
runner="$build/tests/installer/install_runner.exe"
driver="$build/tests/e2e/vorn66_driver.exe"
setup="$work/tervane-test-setup.exe"
name="Tervane Test Folder"
win_folder="C:\\Program Files\\$name"
folder="$WINEPREFIX/drive_c/Program Files/$name"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tervane"
version_key='HKLM\Software\Microsoft\Windows\CurrentVersion'
uninstall_key="$version_key\\Uninstall\\Tervane"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
failures=0
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
exists() { [ -e "$1" ] || [ -L "$1" ] && echo present || echo absent; }
drive() { wine "$driver" "$@" >>"$work/driver.txt" 2>&1 </dev/null; }
run() { wine "$runner" "$@" >>"$work/runner.txt" 2>&1 </dev/null; }
# reg_value <key> <value>: the data of a string or number value, "<none>" when missing.
reg_value() {
  local line
  line="$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -i "^ *$2 *REG_")"
  [ -n "$line" ] && echo "$line" | sed -E 's/^ *.+ +REG_[A-Z_]+ +//' || echo "<none>"
}
reg_key() { wine reg query "$1" >/dev/null 2>&1 && echo present || echo absent; }
ini() {  # ini <file> <section> <key>
  awk -v s="[$2]" -v k="$3" 'BEGIN{IGNORECASE=1} {sub(/\r$/,"")}
    /^\[/{in_s = (tolower($0) == tolower(s)); next}
    in_s && index(tolower($0), tolower(k) "=") == 1 {print substr($0, length(k) + 2); exit}' "$1"
}
forget_install() {  # what an earlier, failed run may have left
  rm -rf "$folder" "$menu"
  wine reg delete "$uninstall_key" /f >/dev/null 2>&1
  wine reg delete 'HKLM\Software\Tervane' /f >/dev/null 2>&1
  wine reg delete 'HKCU\Software\Tervane' /f >/dev/null 2>&1
  wine reg delete "$run_key" /v Cleaner /f >/dev/null 2>&1
  for k in RunOnce RunServicesOnce; do
    wine reg delete "$version_key\\$k" /v "String Value" /f >/dev/null 2>&1
  done
}
forget_install
# A machine that has used Internet Explorer has this folder; the first start's path
# detection stops at its "path does not exist" message without it.
mkdir -p "$WINEPREFIX/drive_c/windows/Downloaded Program Files"

# --- The installer of this tree, with a sample plugin and keep list where data/ ships none.
arch="$(TERVANE_STAGE_STRICT=1 TERVANE_STAGE_EXTRA="$root/tests/installer/sample" \
  bash "$root/scripts/make-installer.sh" "$build" "$setup")" ||
  { echo "FAIL: the installer does not build"; exit 1; }
stage="$work/tervane-test-setup.files/stage"
echo "installer for $arch"
source "$root/scripts/user-files.sh"
program_files=()
user_files=()
for f in "$stage"/*; do
  n="$(basename "$f")"
  if tervane_is_user_file "$n"; then user_files+=("$n"); else program_files+=("$n"); fi
done
check "user files in the stage" "$(printf '%s\n' "${user_files[@]}" | grep -ciE '^(mainten\.ini|cookies1\.lst|installer-test\.cp2)$')" 3

# --- Silent install into a folder with blanks.
run "$setup" /S "/D=$win_folder"
check "install exit code" $? 0
for n in "${program_files[@]}" "${user_files[@]}"; do
  cmp -s "$stage/$n" "$folder/$n" || check "installed $n" "missing or different" "as delivered"
done
check "uninstaller" "$(exists "$folder/uninstall.exe")" present
check "shortcut" "$(exists "$menu/Tervane.lnk")" present
check "uninstall shortcut" "$(exists "$menu/Uninstall Tervane.lnk")" present
check "Add/Remove name" "$(reg_value "$uninstall_key" DisplayName)" "Tervane 6.6"
check "Add/Remove version" "$(reg_value "$uninstall_key" DisplayVersion)" "6.6"
check "Add/Remove publisher" "$(reg_value "$uninstall_key" Publisher)" "Tervane"
check "Add/Remove uninstall string" "$(reg_value "$uninstall_key" UninstallString)" \
  "\"$win_folder\\uninstall.exe\""
check "Add/Remove icon" "$(reg_value "$uninstall_key" DisplayIcon)" "$win_folder\\vorn66.exe,0"
size=$(($(reg_value "$uninstall_key" EstimatedSize)))
[ "$size" -ge 100 ] || check "Add/Remove estimated size in KB" "$size" "at least 100"

# --- First start from the installed folder: the path search runs and writes index.ini.
wine "$win_folder\\vorn66.exe" >"$work/vorn66.txt" 2>&1 </dev/null &
pid=$!
stop() {  # ends the cleaner after a failure, keeping a screenshot of the screen
  command -v import >/dev/null && import -window root "$work/failure.png" 2>/dev/null
  kill "$pid" 2>/dev/null
}
ended() {  # waits for the cleaner to end
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.2; done
  return 1
}
drive wait Search 60 || { echo "FAIL: the path search does not start"; stop; exit 1; }
drive click Search "Start searching"
drive gone Search 600 || check "path search ends" running ended
drive wait "Notice!" 60 || { echo "FAIL: no notice at the first start"; stop; exit 1; }
drive click "Notice!" "OK"
drive wait "Tervane 6.6" 10 || check "main window" absent shown
drive close "Tervane 6.6"
ended || check "cleaner ends when closed" running ended
check "index.ini written" "$(exists "$folder/index.ini")" present
check "[Inst] Scoutry after the search" "$(ini "$folder/mainten.ini" Inst Scoutry)" 0

# --- A cleaning run: old temporary files, with every Windows box but that one unticked.
unix() { winepath -u "$1" 2>/dev/null; }
temp="$(unix "$(ini "$folder/mainten.ini" Path Win2)")"
outside="$TERVANE_WINE_DIR/installer-outside"
rm -rf "$outside"
mkdir -p "$outside" "$temp"
echo "not Tervane's" >"$outside/keep.txt"
ln -sfn "$outside" "$temp/tervane-installer-link"
echo old >"$temp/tervane-installer-old.tmp"
touch -d "3 days ago" "$temp/tervane-installer-old.tmp"
sed -i -E 's/^(Value(1[4-9]|2[01]))=[0-9]+\r?$/\1=0\r/' "$folder/mainten.ini"
wine "$win_folder\\vorn66.exe" >"$work/vorn66.txt" 2>&1 </dev/null &
pid=$!
drive wait "Notice!" 60 && drive click "Notice!" "OK"
drive wait "Tervane 6.6" 60 || { echo "FAIL: no main window at the second start"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 3
sleep 0.5
drive click "Tervane 6.6" "Windows Temporary Files Directory" || check "temporary files box" missing present
sleep 0.3
drive toolbar "Clean Windows" || check "Clean Windows toolbar" missing present
drive wait Info 60 || check "done message" absent shown
drive click Info OK
drive gone Info 10 || check "done message closes" open closed
drive close "Tervane 6.6"
ended || check "cleaner ends after the clean" running ended
check "old temporary file cleaned" "$(exists "$temp/tervane-installer-old.tmp")" absent
check "folder behind a link in Temp" "$(cat "$outside/keep.txt" 2>/dev/null)" "not Tervane's"
rm -f "$temp/tervane-installer-link"
[ "$(ini "$folder/mainten.ini" Senast Value1)" != Never ] || check "[Senast] Value1" Never "the run's date"

# --- The user's edits: a keep-list entry, a plugin switched off; mainten.ini is edited by
# the runs above. A delivered program file damaged since must come back.
printf 'kept.example\r\n' >>"$folder/cookies1.lst"
sed -i 's/^Active=True/Active=False/' "$folder/installer-test.cp2"
echo damaged >"$folder/faq.htm"
declare -A before
for n in "${user_files[@]}" index.ini vorn.log; do before[$n]="$(md5sum <"$folder/$n")"; done
cmp -s "$stage/mainten.ini" "$folder/mainten.ini" && check "mainten.ini edited by the runs" same different

run "$setup" /S "/D=$win_folder"
check "reinstall exit code" $? 0
for n in "${user_files[@]}" index.ini vorn.log; do
  check "$n kept over a reinstall" "$(md5sum <"$folder/$n")" "${before[$n]}"
done
check "plugin still off after the reinstall" "$(ini "$folder/installer-test.cp2" Main Active)" False
check "cookies1.lst entry after the reinstall" "$(grep -c 'kept.example' "$folder/cookies1.lst")" 1
for n in "${program_files[@]}"; do
  cmp -s "$stage/$n" "$folder/$n" || check "reinstalled $n" "missing or different" "as delivered"
done

# --- Silent uninstall: the values Tervane wrote go where they name this folder, the
# user's files stay, and so does a folder the program folder links to.
wine reg add "$run_key" /v Cleaner /d "$win_folder\\vorn66.exe" /f >/dev/null 2>&1
wine reg add "$version_key\\RunOnce" /v "String Value" /d "$win_folder\\vesper.exe" /f >/dev/null 2>&1
wine reg add "$version_key\\RunServicesOnce" /v "String Value" /d 'C:\Elsewhere\vesper.exe' /f \
  >/dev/null 2>&1
ln -sfn "$outside" "$folder/linked folder"
run "$win_folder\\uninstall.exe" /S
check "uninstall exit code" $? 0
for n in "${program_files[@]}" uninstall.exe; do
  check "$n after the uninstall" "$(exists "$folder/$n")" absent
done
for n in "${user_files[@]}" index.ini vorn.log; do
  check "$n kept by the uninstall" "$(md5sum <"$folder/$n" 2>/dev/null)" "${before[$n]}"
done
check "folder behind a link in the program folder" "$(cat "$outside/keep.txt" 2>/dev/null)" \
  "not Tervane's"
check "start-menu folder" "$(exists "$menu")" absent
check "Add/Remove entry" "$(reg_key "$uninstall_key")" absent
check "install folder key" "$(reg_key 'HKLM\Software\Tervane')" absent
check "Cleaner value" "$(reg_value "$run_key" Cleaner)" "<none>"
check "RunOnce value naming this folder" "$(reg_value "$version_key\\RunOnce" "String Value")" "<none>"
check "RunServicesOnce value naming another folder" \
  "$(reg_value "$version_key\\RunServicesOnce" "String Value")" 'C:\Elsewhere\vesper.exe'
check "per-user settings kept" "$(reg_key 'HKCU\Software\Tervane')" present
rm -f "$folder/linked folder"

# --- Installed again over the kept files, then removed with them: the folder goes.
run "$setup" /S "/D=$win_folder"
check "install over kept files" "$(md5sum <"$folder/cookies1.lst")" "${before[cookies1.lst]}"
wine reg add "$run_key" /v Cleaner /d 'C:\Elsewhere\vorn66.exe' /f >/dev/null 2>&1
run "$win_folder\\uninstall.exe" /S /REMOVEUSERFILES
check "uninstall with the user's files" $? 0
check "program folder after removing the user's files" "$(exists "$folder")" absent
check "per-user settings removed with the user's files" "$(reg_key 'HKCU\Software\Tervane')" absent
check "Cleaner value naming another folder" "$(reg_value "$run_key" Cleaner)" 'C:\Elsewhere\vorn66.exe'
check "outside folder at the end" "$(cat "$outside/keep.txt" 2>/dev/null)" "not Tervane's"

forget_install
rm -rf "$outside"
if [ "$failures" -eq 0 ]; then
  echo "installer end to end ($arch): passed"
  rm -rf "$work"
fi
exit $((failures > 0))
