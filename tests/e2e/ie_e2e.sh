#!/usr/bin/env bash
# Internet Explorer cleaning end to end under Wine: an IE5 profile is seeded on the
# prefix's C: (history folders, cache files, cookie files, typed addresses, URL cache
# entries made through the cache interface) with Unix links from its folders to a folder
# outside the prefix. One cookie is kept through "Internet Explorer Cookies"; then, with a
# window of another program holding the keyboard, "Clean IE" runs. Afterwards only the
# kept cookie and index.dat remain, the cache interface lists no content or history entry,
# TypedURLs is gone, both run-once values name vesper.exe, no keystroke reached the other
# window, and what the links reach survives.
#   ie_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-ie-e2e
data="$WINEPREFIX/drive_c/tervane-ie-data"
outside="$TERVANE_WINE_DIR/tervane-ie-outside"
rm -rf "$data" "$outside"
typed='HKCU\Software\Microsoft\Internet Explorer\TypedURLs'
runonce='HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce'
runservices='HKLM\Software\Microsoft\Windows\CurrentVersion\RunServicesOnce'

# The profile, as the browser lays it out, and a folder outside it that links reach.
ie="$data/IE"
hist="$ie/History/history.ie5"
tif="$ie/Temporary Internet Files"
cookies="$ie/Cookies"
mkdir -p "$hist/mshist~1" "$hist/mshis~10" "$hist/mshist~12" "$tif/Content.IE5" "$cookies" \
  "$outside"
echo idx >"$hist/index.dat"
echo day >"$hist/mshist~1/index.dat"
echo week >"$hist/mshis~10/index.dat"
echo odd >"$hist/mshist~12/index.dat"
echo idx >"$tif/index.dat"
echo page >"$tif/page.htm"
echo gif >"$tif/logo.gif"
echo inner >"$tif/Content.IE5/inner.htm"
printf 'kept\nvalue\nkept.example/\n' >"$cookies/me@kept[1].txt"
printf 'track\nvalue\ntracker.example/\n' >"$cookies/me@tracker[1].txt"
echo idx >"$cookies/index.dat"
echo mine >"$outside/keep.txt"
ln -s "$outside" "$hist/mshist~2"
ln -s "$outside" "$tif/linked-home"
ln -s "$outside/keep.txt" "$cookies/me@linked[1].txt"

quiet_start
setini Safetylevel 3
setini IE1 'C:\tervane-ie-data\IE\History\'
setini IE2 'C:\tervane-ie-data\IE\Temporary Internet Files\'
setini IE3 'C:\tervane-ie-data\IE\Cookies\'
setini IE4 'C:\tervane-ie-data\IE\Temporary Internet Files\Content.IE5\'
tick_all 0
for k in 1 2 3 4 5; do setini "Value$k" 1; done
wine reg delete "$typed" /f >/dev/null 2>&1
reg_add "$typed" /v url1 /d 'http://secret.example/'
# Both keys exist, so both values are written. Wine carries out run-once values whenever
# its server starts anew, so the test removes them again at once.
reg_add "$runonce"
reg_add "$runservices"
wine reg delete "$runonce" /v "String Value" /f >/dev/null 2>&1
wine reg delete "$runservices" /v "String Value" /f >/dev/null 2>&1
drive cacheadd 'http://cache.example/page.htm' || check "cache entry made" failed done
drive cacheadd 'http://cache.example/other.htm' || check "cache entry made" failed done
check "cache entries before" "$(drive_out cachecount 'http://cache.example/' | tr -d '\r')" 2

on_stop() {
  wine reg delete "$runonce" /v "String Value" /f >/dev/null 2>&1
  wine reg delete "$runservices" /v "String Value" /f >/dev/null 2>&1
  rm -rf "$data" "$outside"
}
title="Tervane 6.6"
start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 0  # Internet Explorer
sleep 0.5

# The tracker's cookie goes, the other one is kept (list 0 is the cookie files, sorted).
drive vclick "$title" Cookies || check "Cookies button" missing present
drive wait "Internet Explorer Cookies" 10 || { echo "FAIL: no cookie dialog"; stop; exit 1; }
check "cookie files listed" "$(drive_out lbcount 'Internet Explorer Cookies' 0 | tr -d '\r')" 3
drive lbpick "Internet Explorer Cookies" 0 0 || check "picking the kept cookie" failed done
drive click "Internet Explorer Cookies" Add
shot ie-cookies
check "kept entries" "$(drive_out lbcount 'Internet Explorer Cookies' 1 | tr -d '\r')" 1
# A save that cannot be written (a folder stands where the new list would go) is said,
# and the dialog stays open with the user's list; once it can be written, OK saves it.
mkdir "$folder/cookies1.lst.new~"
drive click "Internet Explorer Cookies" OK
drive wait Tervane 10 || check "message for the failed save" absent shown
drive_out text Tervane | tr -d '\r' | grep -q "^The keep list could not be saved: " ||
  check "failed save named" no yes
shot ie-cookies-save-failed
drive click Tervane OK
drive gone Tervane 10 || check "message closes" open closed
drive wait "Internet Explorer Cookies" 1 || check "dialog stays open after the failed save" closed open
check "old keep list on disk" "$(tr -d '\r' <"$folder/cookies1.lst")" ''
rmdir "$folder/cookies1.lst.new~"
drive click "Internet Explorer Cookies" OK
drive gone "Internet Explorer Cookies" 10 || check "dialog closes with OK" open closed
check "keep list file" "$(tr -d '\r' <"$folder/cookies1.lst")" 'me@kept[1].txt'
tr -d '\r' <"$folder/vorn.log" | grep -q 'cookies1.lst could not be saved' ||
  check "failed save logged" no yes

# Another program holds the keyboard while the cleaning runs.
wine "$driver" editwindow "Tervane bystander" 25 >"$out/bystander.txt" 2>/dev/null </dev/null &
bystander=$!
drive wait "Tervane bystander" 20 || check "bystander window" absent shown
sleep 1
drive toolbar "Clean IE" || check "Clean IE toolbar" missing present
drive wait Tervane 60 || check "not-supported message" absent shown
drive click Tervane OK
drive wait Info 90 || check "done message after Clean IE" absent shown
drive click Info OK
drive gone Info 10 || check "done message closes" open closed
wait "$bystander"
check "keystrokes in the other window" "$(tr -d '\r' <"$out/bystander.txt")" "[]"

check "kept cookie" "$(gone "$cookies/me@kept[1].txt")" present
check "kept cookie content" "$(head -n1 "$cookies/me@kept[1].txt")" kept
check "tracker cookie" "$(gone "$cookies/me@tracker[1].txt")" gone
check "cookie index.dat" "$(gone "$cookies/index.dat")" present
check "cache index.dat" "$(gone "$tif/index.dat")" present
check "cache page" "$(gone "$tif/page.htm")" gone
check "cache picture" "$(gone "$tif/logo.gif")" gone
check "cache sub-folder" "$(gone "$tif/Content.IE5/inner.htm")" present
check "history folder 1" "$(gone "$hist/mshist~1")" gone
check "history folder 10" "$(gone "$hist/mshis~10")" gone
check "history folder 12 (numbered past the short names tried before)" "$(gone "$hist/mshist~12")" gone
check "outside folder" "$(cat "$outside/keep.txt" 2>/dev/null)" mine
check "cache entries after" "$(drive_out cachecount 'http://cache.example/' | tr -d '\r')" 0
check "typed addresses" "$(reg_string "$typed" url1)" absent
check "RunOnce value" "$(reg_string "$runonce" 'String Value')" 'C:\tervane-ie-e2e\vesper.exe'
check "RunServicesOnce value" "$(reg_string "$runservices" 'String Value')" 'C:\tervane-ie-e2e\vesper.exe'

end_cleaner
finish "Internet Explorer cleaning end to end"
