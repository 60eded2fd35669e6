#!/usr/bin/env bash
# The View buttons end to end under Wine: from the main window, "URLs" (Internet Explorer
# and Netscape), "Run History", "Search History", "Doc History" and the three "Cache"
# buttons open their windows over seeded traces; one typed address and one Run entry are
# removed through "Remove Highlighted" and the rest of their keys stays.
#   viewers_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$1"
shots="${2:-}"
source "$root/scripts/wine-env.sh"
tervane_ensure_prefix

folder="$WINEPREFIX/drive_c/tervane-viewers-e2e"
data="$WINEPREFIX/drive_c/tervane-viewers-data"
rm -rf "$folder" "$data"
bash "$root/scripts/install-programs.sh" "$build" "$folder"
rm -f "$folder/scoutry.exe"
driver="$build/tests/e2e/vorn66_driver.exe"
out="$(mktemp -d)"
drive() { wine "$driver" "$@" 2>>"$out/driver.txt" </dev/null; }
setini() {  # setini <key> <value>: a key that occurs once in the delivered file
  local v="${2//\\/\\\\}"  # sed takes a backslash as two
  sed -i -E "s/^$1=[^\r]*\r?$/$1=$v\r/" "$folder/mainten.ini"
}
failures=0
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
typed='HKCU\Software\Microsoft\Internet Explorer\TypedURLs'
runmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU'
findmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Doc Find Spec MRU'
value() {  # value <key> <name>: the string data, or "absent"
  local line
  line="$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -E "^[[:space:]]+$2[[:space:]]")"
  [ -n "$line" ] && echo "${line#*REG_SZ}" | sed -E 's/^[[:space:]]+//' || echo absent
}
shot() { [ -n "$shots" ] && { sleep 1; import -window root "$shots/$1.png"; }; }

# The traces: browser folders under C:\tervane-viewers-data, three typed addresses, a
# Run history with its order list, a search history, two recent documents, a Netscape
# profile with three history lines, and a cache with a file past 4 GB (sparse).
ie="$data/IE"
mkdir -p "$ie/History" "$ie/Cookies" "$ie/Temporary Internet Files/Content.IE5/ABCD1234"
echo x >"$ie/Temporary Internet Files/Content.IE5/index.dat"
echo x >"$ie/Temporary Internet Files/Content.IE5/ABCD1234/inner.gif"
head -c 1499000 /dev/zero >"$ie/Temporary Internet Files/Content.IE5/page.htm"
truncate -s 6442450944 "$ie/Temporary Internet Files/Content.IE5/big.bin"
ns="$data/Netscape"
mkdir -p "$ns/Users/ann" "$ns/Cache"
printf '%s\r\n' '// Netscape User Preferences' '' \
  'user_pref("browser.url_history.URL_1", "http://one.example/");' \
  'user_pref("browser.url_history.URL_10", "http://ten.example/");' >"$ns/Users/ann/prefs.js"
echo x >"$ns/Cache/M0A1B2C3"
mkdir -p "$data/Opera/Cache4" "$data/Recent"
echo x >"$data/Opera/Cache4/opr00001.htm"
echo x >"$data/Recent/letter.txt.lnk"
echo x >"$data/Recent/notes.doc.lnk"
setini Scoutry 0
setini Showtip 0
setini Detect 1
setini IE1 'C:\tervane-viewers-data\IE\History\'
setini IE2 'C:\tervane-viewers-data\IE\Temporary Internet Files\'
setini IE3 'C:\tervane-viewers-data\IE\Cookies\'
setini IE4 'C:\tervane-viewers-data\IE\Temporary Internet Files\Content.IE5\'
setini Netscape1A 'C:\tervane-viewers-data\Netscape\Users\'
setini Netscape1B 0
setini Netscape1C ann
setini Netscape2 'C:\tervane-viewers-data\Netscape\Cache\'
setini Opera1 'C:\tervane-viewers-data\Opera\'
setini Opera2 'C:\tervane-viewers-data\Opera\Cache4\'
setini Win1 'C:\tervane-viewers-data\Recent\'
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
wine reg delete "$typed" /f >/dev/null 2>&1
wine reg delete "$runmru" /f >/dev/null 2>&1
wine reg delete "$findmru" /f >/dev/null 2>&1
reg "$typed" /v url1 /d 'http://first.example/'
reg "$typed" /v url2 /d 'http://second.example/'
reg "$typed" /v url3 /d 'http://third.example/'
reg "$runmru" /v a /d 'notepad\1'
reg "$runmru" /v b /d 'regedit\1'
reg "$runmru" /v MRUList /d 'ba'
reg "$findmru" /v a /d '*.doc'

wine 'C:\tervane-viewers-e2e\vorn66.exe' >"$out/vorn66.txt" 2>&1 </dev/null &
pid=$!
stop() { kill "$pid" 2>/dev/null; rm -rf "$out" "$data"; }
title="Tervane 6.6"
drive wait "$title" 60 >/dev/null || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0 >/dev/null  # Clean
drive tab 0 >/dev/null  # Internet Explorer
sleep 0.5

# Typed addresses: the second one goes.
drive vclick "$title" URLs || check "URLs button (Internet Explorer)" missing present
drive wait "View URLs" 10 >/dev/null || check "View URLs window" absent shown
check "typed addresses listed" "$(drive items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  "http://first.example/ http://second.example/ http://third.example/"
shot view-urls
drive lbselect "View URLs" "http://second.example/" || check "selecting a typed address" failed done
drive click "View URLs" "Remove Highlighted"
sleep 1
check "typed addresses after removal" "$(drive items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  "http://first.example/ http://third.example/"
check "url2 removed" "$(value "$typed" url2)" absent
check "url1 kept" "$(value "$typed" url1)" 'http://first.example/'
check "url3 kept" "$(value "$typed" url3)" 'http://third.example/'
drive click "View URLs" Done
drive gone "View URLs" 10 >/dev/null || check "View URLs after Done" open closed

# The cache, switched to the detailed report through its pop-up menu.
drive vclick "$title" Cache || check "Cache button (Internet Explorer)" missing present
drive wait "View Cache" 10 >/dev/null || check "View Cache window" absent shown
check "cache entries" "$(drive lvcount 'View Cache' | tr -d '\r')" 4
drive lvrclick "View Cache"
drive menu 1 >/dev/null || check "options menu" absent shown
shot view-cache
drive click "View Cache" Done
drive gone "View Cache" 10 >/dev/null || check "View Cache after Done" open closed

# Netscape: its address history and its cache.
drive tab 1 >/dev/null
sleep 0.5
drive vclick "$title" URLs || check "URLs button (Netscape)" missing present
drive wait "View URLs" 10 >/dev/null || check "View URLs (Netscape)" absent shown
check "Netscape addresses" "$(drive items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  'http://one.example/ "http://ten.example/'
shot view-netscape-urls
drive lbselect "View URLs" '"http://ten.example/' || check "selecting a Netscape address" failed done
drive click "View URLs" "Remove Highlighted"
sleep 1
check "prefs.js after removal" "$(tr -d '\r' <"$ns/Users/ann/prefs.js" | paste -sd'|')" \
  '// Netscape User Preferences||user_pref("browser.url_history.URL_1", "http://one.example/");'
drive click "View URLs" Done
drive gone "View URLs" 10 >/dev/null
drive vclick "$title" Cache || check "Cache button (Netscape)" missing present
drive wait "View Cache" 10 >/dev/null || check "View Cache (Netscape)" absent shown
check "Netscape cache entries" "$(drive lvcount 'View Cache' | tr -d '\r')" 1
drive click "View Cache" Done
drive gone "View Cache" 10 >/dev/null

# Windows: the Run history loses "regedit", its order list stays.
drive tab 3 >/dev/null
sleep 0.5
shot main-windows-tab
drive click "$title" "Run History" || check "Run History button" missing present
drive wait "View Run History" 10 >/dev/null || check "View Run History window" absent shown
check "Run history listed" "$(drive items 'View Run History' | tr -d '\r' | paste -sd' ')" \
  'notepad\1 regedit\1'
shot view-run-history
drive lbselect "View Run History" 'regedit\1' || check "selecting a Run entry" failed done
drive click "View Run History" "Remove Highlighted"
sleep 1
check "Run entry b removed" "$(value "$runmru" b)" absent
check "Run entry a kept" "$(value "$runmru" a)" 'notepad\1'
check "Run order list kept" "$(value "$runmru" MRUList)" ba
drive click "View Run History" Done
drive gone "View Run History" 10 >/dev/null || check "View Run History after Done" open closed

drive click "$title" "Search History" || check "Search History button" missing present
drive wait "View Search History" 10 >/dev/null || check "View Search History window" absent shown
check "search history listed" "$(drive items 'View Search History' | tr -d '\r')" '*.doc'
shot view-search-history
drive click "View Search History" Done
drive gone "View Search History" 10 >/dev/null

drive click "$title" "Doc History" || check "Doc History button" missing present
drive wait "View Doc History" 10 >/dev/null || check "View Doc History window" absent shown
check "recent documents listed" "$(drive items 'View Doc History' | tr -d '\r' | paste -sd' ')" \
  'letter.txt.lnk notes.doc.lnk'
shot view-doc-history
drive click "View Doc History" Done
drive gone "View Doc History" 10 >/dev/null

# Opera's cache.
drive tab 2 >/dev/null
sleep 0.5
drive vclick "$title" Cache || check "Cache button (Opera)" missing present
drive wait "View Cache" 10 >/dev/null || check "View Cache (Opera)" absent shown
check "Opera cache entries" "$(drive lvcount 'View Cache' | tr -d '\r')" 1
drive click "View Cache" Done
drive gone "View Cache" 10 >/dev/null

drive close "$title" >/dev/null
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then check "program ends on close" running ended; fi
wine reg delete "$typed" /f >/dev/null 2>&1
wine reg delete "$runmru" /f >/dev/null 2>&1
wine reg delete "$findmru" /f >/dev/null 2>&1
stop
[ "$failures" -eq 0 ] && echo "View buttons end to end: passed"
exit $((failures > 0))
