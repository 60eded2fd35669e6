#!/usr/bin/env bash
# User-defined cleaning end to end under Wine: list 1 is active and holds a folder entry
# whose folder contains a Unix link to a folder outside the prefix, and an all-files
# entry whose folder holds a sub-folder. "Clean User.def" removes the folder and the
# matching files; the link's target and the sub-folder stay. The User.def tab and the
# "User Defined Files" viewer are shown on the way; then the editor, driven by window
# messages, asks before adding the protected C:\ and adds only on Yes.
# The list also holds entries that are no full path ("*.*", "mainten.ini", a name with a
# NUL in it, one of 300 characters), with the program folder as the current folder: they
# are skipped, logged and reported, and nothing of the program folder changes.
#   userdef_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-userdef-e2e
quiet_start
setini UDvalue1 1
setini UDname1 "Scratch"

work="$WINEPREFIX/drive_c/tervane-userdef-work"
outside="$TERVANE_WINE_DIR/tervane-userdef-outside"
rm -rf "$work" "$outside"
mkdir -p "$work/junk/deep" "$work/dl/sub" "$outside/inner"
echo keep >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"
echo a >"$work/junk/a.txt"
echo b >"$work/junk/deep/b.txt"
ln -sfn "$outside" "$work/junk/home"
echo z >"$work/dl/a.zip"
echo y >"$work/dl/b.exe"
echo s >"$work/dl/sub/kept.txt"
printf 'C:\\tervane-userdef-work\\junk\r\nC:\\tervane-userdef-work\\dl\\*.*\r\n' >"$folder/userdef1.lst"
echo other >"$work/other.txt"
long="C:\\$(printf 'x%.0s' $(seq 1 297))"
printf '*.*\r\nmainten.ini\r\nC:\\tervane-userdef-work\\other.txt\0.bak\r\n%s\r\n' "$long" \
  >>"$folder/userdef1.lst"
own_files() { (cd "$folder" && find . -type f ! -name vorn.log ! -name vorn-report.txt ! -name mainten.ini | sort); }
own_before="$(own_files)"
# Started from its own folder, as a shortcut starts it: a bare name would be taken from here.
cd "$folder" || exit 1

start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 1
drive tab 4
# Turning to the tab offers to remove the entries no cleaning uses; No keeps them.
drive wait Tervane 10 || check "offer to remove the skipped entries" absent shown
shot userdef-skipped-offer
drive click Tervane "&No"
drive gone Tervane 10 || check "offer closes with No" open closed
sleep 1
[ -n "$shots" ] && import -window root "$shots/userdef-path-tab.png"
drive nav 0
drive tab 4
sleep 1
drive click "Tervane 6.6" "Defined Files" || check "Defined Files button" missing present
drive wait "User Defined Files" 10 || check "User Defined Files dialog" absent shown
sleep 1
[ -n "$shots" ] && import -window root "$shots/userdef-viewer.png"
drive click "User Defined Files" Done
drive gone "User Defined Files" 10 || check "viewer closes with Done" open closed

drive click "Tervane 6.6" "Scratch" || check "tick the first list" failed done
drive toolbar "Clean User.def" || check "Clean User.def toolbar" missing present
answer_done "done message"
cd "$root" || exit 1
check "program folder unchanged" "$(own_files)" "$own_before"
check "mainten.ini kept" "$(gone "$folder/mainten.ini")" present
check "file behind a NUL entry" "$(cat "$work/other.txt" 2>/dev/null)" other
check "skipped entries logged" "$(tr -d '\r' <"$folder/vorn.log" | grep -c 'userdef1.lst entry .* skipped: ')" 4
check "skipped entries reported" "$(tr -d '\r' <"$folder/vorn-report.txt" | grep -c '(skipped: ')" 4
tr -d '\r' <"$folder/vorn-report.txt" | grep -q '^  \*\.\*  (skipped: not a full path)$' ||
  check "*.* reported as not a full path" no yes

# The editor by window messages: the picker starts at C:\, a protected folder. In folder
# mode Add asks first and No leaves the list; in all-files mode Yes adds "C:\*.*".
drive nav 1
drive tab 4
sleep 1
drive vclick "Tervane 6.6" "Add" || check "Add button" missing present
drive wait "Are you sure??" 10 || check "question for C:\ in folder mode" absent shown
drive click "Are you sure??" "&No"
drive gone "Are you sure??" 10 || check "question closes with No" open closed
check "No leaves the list" "$(tr -d '\r' <"$folder/userdef1.lst" | wc -l)" 6
drive vclick "Tervane 6.6" "Remove all files in folder" || check "all-files mode" missing present
drive vclick "Tervane 6.6" "Add"
drive wait "Are you sure??" 10 || check "question for C:\ in all-files mode" absent shown
drive click "Are you sure??" "&Yes"
drive gone "Are you sure??" 10 || check "question closes with Yes" open closed
sleep 1
[ -n "$shots" ] && import -window root "$shots/userdef-after-add.png"
check "Yes adds the all-files entry" "$(tr -d '\r' <"$folder/userdef1.lst" | sed -n 7p)" 'C:\*.*'
end_cleaner

check "listed file" "$(gone "$work/junk/a.txt")" gone
check "listed sub-folder's file" "$(gone "$work/junk/deep/b.txt")" gone
check "outside file behind the link" "$(cat "$outside/keep.txt" 2>/dev/null)" keep
check "outside folder behind the link" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep
# Wine cannot remove its links without reaching the target: the link stays, logged.
check "link left in place" "$(gone "$work/junk/home")" present
tr -d '\r' <"$folder/vorn.log" | grep -q "removeUserdefinedSel at line [0-9]* - .*home: a link, left in place" ||
  check "link left in place logged" no yes
check "matching file a.zip" "$(gone "$work/dl/a.zip")" gone
check "matching file b.exe" "$(gone "$work/dl/b.exe")" gone
check "sub-folder of the all-files entry" "$(cat "$work/dl/sub/kept.txt" 2>/dev/null)" s

rm -rf "$work" "$outside"
finish "user-defined end to end"
