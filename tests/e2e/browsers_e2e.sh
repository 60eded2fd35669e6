#!/usr/bin/env bash
# Netscape and Opera cleaning end to end under Wine: a Netscape 4.7 profile and an Opera 4
# folder are seeded on the prefix's C:, with Unix links out of their caches to a folder
# outside the prefix. The user keeps two cookies in "Netscape Cookies" (by "Add" and by a
# double-click), then presses "Clean Netscape", "Clean Opera" and "Clean All": the kept
# records become the new cookies.txt, prefs.js keeps every other line in order, and what
# the links reach survives.
#   browsers_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-browsers-e2e
count() { drive_out lbcount "$@" | tr -d '\r'; }
crlf() { printf '%s\r\n' "$@"; }

# The browsers' folders, as their installers lay them out.
users="$WINEPREFIX/drive_c/Program Files/Netscape/Users"
profile="$users/ann"
ncache="$profile/Cache"
opera="$WINEPREFIX/drive_c/Program Files/Opera"
ocache="$opera/Cache4"
outside="$TERVANE_WINE_DIR/tervane-browsers-outside"
rm -rf "$users" "$opera" "$outside"
mkdir -p "$ncache/sub" "$ocache" "$outside/inner"
echo keep >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"

kept1=$'.kept.example\tTRUE\t/\tFALSE\t1293840000\tid\tkeep1'
track=$'www.tracker.example\tFALSE\t/\tFALSE\t1293840000\tuid\ttrack'
kept2=$'.bank.example\tTRUE\t/\tTRUE\t1293840000\tsession\tkeep2'
seed_netscape() {
  crlf "# Netscape HTTP Cookie File" "# This is a generated file!  Do not edit." "" \
    "$kept1" "$track" "$kept2" >"$profile/cookies.txt"
  crlf "# Netscape User Preferences" "// This is a generated file!  Do not edit." "" \
    'user_pref("browser.startup.homepage", "http://home.example/");' \
    'user_pref("browser.url_history.URL_1", "http://secret.example/");' \
    'user_pref("Browser.Url_History.URL_5", "other case stays");' \
    'user_pref("browser.url_history.URL_2", "http://also.example/");' \
    'user_pref("mail.identity.username", "Ann");' >"$profile/prefs.js"
  echo locked >"$profile/liprefs.js"
  echo history >"$profile/netscape.hst"
  echo page >"$ncache/M0ABCD12"
  echo gif >"$ncache/M0ABCD13.GIF"
  echo inner >"$ncache/sub/inner"
}
seed_opera() {
  crlf "Opera Preferences version 1.0" "[Windows]" "Count=1" "[Window 1]" \
    "URL=http://secret.example/" >"$opera/opera.win"
  echo global >"$opera/global.dat"
  echo cookies >"$opera/cookies4.dat"
  echo dir >"$opera/opera.dir"
  echo visited >"$opera/vlink4.dat"
  echo settings >"$opera/opera.ini"
  echo page >"$ocache/opr00001.htm"
}
seed_netscape
seed_opera
ln -s "$outside" "$ncache/linked-home"
ln -s "$outside/keep.txt" "$ncache/linked-note.txt"
ln -s "$outside" "$ocache/linked-home"

# A quiet start on these paths, at safety level 3, with every browser option ticked and
# every Windows one off.
quiet_start
setini Safetylevel 3
setini Netscape1A 'C:\Program Files\Netscape\Users\'
setini Netscape1B 0
setini Netscape1C ann
setini Netscape2 'C:\Program Files\Netscape\Users\ann\Cache\'
setini Opera1 'C:\Program Files\Opera\'
setini Opera2 'C:\Program Files\Opera\Cache4\'
tick_all 0
for k in 6 7 8 9 10 11 12 13; do setini "Value$k" 1; done

title="Tervane 6.6"
start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 1  # Netscape
sleep 0.5

# The keep list: the first record by "Add", the third by a double-click, the first once more.
drive vclick "$title" Cookies || check "Cookies button" missing present
drive wait "Netscape Cookies" 10 || { echo "FAIL: no Netscape Cookies dialog"; stop; exit 1; }
sleep 0.5
check "records listed (comments and blank line left out)" "$(count "Netscape Cookies" 0)" 3
check "keep list at the first opening" "$(count "Netscape Cookies" 1)" 0
drive lbpick "Netscape Cookies" 0 0
drive click "Netscape Cookies" Add
drive lbdouble "Netscape Cookies" 0 2
drive lbdouble "Netscape Cookies" 0 0
sleep 0.5
check "keep list after adding (a duplicate refused)" "$(count "Netscape Cookies" 1)" 2
[ -n "$shots" ] && import -window root "$shots/net-cookies.png"
drive click "Netscape Cookies" OK
drive gone "Netscape Cookies" 10 || check "dialog closes with OK" open closed
check "cookies2.lst" "$(od -c "$folder/cookies2.lst" | head -c 2000)" \
  "$(crlf "$kept1" "$kept2" | od -c | head -c 2000)"

temporary() { find "$WINEPREFIX/drive_c" -ipath '*/temp/tmp*.tmp' 2>/dev/null | sort; }
temporary_before="$(temporary)"
drive toolbar "Clean Netscape" || check "Clean Netscape toolbar" missing present
answer_done "done message after Clean Netscape"
check "cookies.txt is the keep list" "$(od -c "$profile/cookies.txt" | head -c 2000)" \
  "$(crlf "$kept1" "$kept2" | od -c | head -c 2000)"
check "prefs.js keeps every other line in order" "$(od -c "$profile/prefs.js")" "$(crlf \
  "# Netscape User Preferences" "// This is a generated file!  Do not edit." "" \
  'user_pref("browser.startup.homepage", "http://home.example/");' \
  'user_pref("Browser.Url_History.URL_5", "other case stays");' \
  'user_pref("mail.identity.username", "Ann");' | od -c)"
check "liprefs.js" "$(gone "$profile/liprefs.js")" gone
check "netscape.hst" "$(gone "$profile/netscape.hst")" gone
check "Netscape cache file" "$(gone "$ncache/M0ABCD12")" gone
check "Netscape cache picture" "$(gone "$ncache/M0ABCD13.GIF")" gone
check "Netscape cache sub-folder" "$(gone "$ncache/sub/inner")" present
check "outside file (Netscape cache)" "$(cat "$outside/keep.txt" 2>/dev/null)" keep
check "outside sub-folder (Netscape cache)" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep
check "temporary files left by the prefs.js rewrite" "$(temporary)" "$temporary_before"

drive tab 2  # Opera
sleep 0.5
drive toolbar "Clean Opera" || check "Clean Opera toolbar" missing present
answer_done "done message after Clean Opera"
check "opera.win is the clean copy" "$(cmp -s "$opera/opera.win" "$root/data/opera.win" && echo same)" same
for f in global.dat cookies4.dat opera.dir vlink4.dat Cache4/opr00001.htm; do
  check "Opera $f" "$(gone "$opera/$f")" gone
done
check "opera.ini" "$(gone "$opera/opera.ini")" present
check "outside file (Opera cache)" "$(cat "$outside/keep.txt" 2>/dev/null)" keep

# "Clean All" runs both browsers, which are available on these paths.
seed_netscape
seed_opera
drive vclick "$title" "Clean All" || check "Clean All button" missing present
confirm_clean_all
answer_done "done message after Clean All"
check "cookies.txt after Clean All" "$(od -c "$profile/cookies.txt" | head -c 2000)" \
  "$(crlf "$kept1" "$kept2" | od -c | head -c 2000)"
check "netscape.hst after Clean All" "$(gone "$profile/netscape.hst")" gone
check "vlink4.dat after Clean All" "$(gone "$opera/vlink4.dat")" gone
check "cookies4.dat after Clean All" "$(gone "$opera/cookies4.dat")" gone
check "outside file after Clean All" "$(cat "$outside/keep.txt" 2>/dev/null)" keep
check "outside sub-folder after Clean All" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep

end_cleaner
log="$(tr -d '\r' <"$folder/vorn.log")"
# The link to a file in the cache cannot be removed under Wine without its target.
echo "$log" | grep -q "cmdCleanNets at line 0 - .*could not be removed" ||
  check "link left in the Netscape cache logged" no yes
if echo "$log" | grep -q "cmdCleanOpera"; then check "Opera run errors" logged none; fi
rm -rf "$users" "$opera" "$outside"
finish "browsers end to end"
