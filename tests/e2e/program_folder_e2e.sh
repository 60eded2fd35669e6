#!/usr/bin/env bash
# The cleaner installed in a folder whose name lies outside the system's code page
# ("Tervané Ω": the Omega is in no Western code page). The ANSI calls see the name with
# a "?" in it, which names nothing. Wine keeps short names as NT does, so the program
# must run from the folder's short name: it starts, reads and writes its settings and its
# log in that folder, and says nothing of an unusable folder. Where the folder cannot be
# used at all, the start-up says so instead (the fake platform's tests cover that).
#   program_folder_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-folder-e2e
quiet_start
odd_name="Tervané Ω"
odd="$folder/$odd_name"
mkdir -p "$odd"
find "$folder" -maxdepth 1 -mindepth 1 ! -name "$odd_name" -exec mv {} "$odd/" \;

LC_ALL=C.UTF-8 wine "C:\\$folder_name\\$odd_name\\vorn66.exe" >>"$out/vorn66.txt" 2>&1 </dev/null &
pid=$!
drive wait "Tervane 6.6" 60 || { echo "FAIL: neither window nor message"; stop; exit 1; }
sleep 2
shot program-folder-outside-code-page
if ! drive has "Tervane 6.6" "Clean All"; then
  echo "start-up message instead of the window:"
  drive_out text "Tervane 6.6"
  check "main window from the short name" message window
  stop
  exit 1
fi
tr -d '\r' <"$odd/vorn.log" 2>/dev/null | grep -q "Session Started" ||
  check "log written in the program folder" no yes
# The close saves the settings into the same folder, and nothing lands anywhere else.
drive close "Tervane 6.6"
wait_end "program ends when closed"
check "settings saved in the program folder" "$(find "$odd" -name 'mainten.ini' -newer "$odd/vorn66.exe" | wc -l)" 1
check "nothing written beside the folder" "$(find "$folder" -maxdepth 1 -mindepth 1 | wc -l)" 1
tr -d '\r' <"$odd/vorn.log" | grep -q "could not be saved\|Program folder unusable" &&
  check "no failure logged" logged none
finish "program folder outside the code page"
