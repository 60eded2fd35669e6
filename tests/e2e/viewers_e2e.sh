#!/usr/bin/env bash
# The View buttons end to end under Wine: from the main window, "URLs" (Internet Explorer
# and Netscape), "Run History", "Search History", "Doc History" and the three "Cache"
# buttons open their windows over seeded traces; one typed address and one Run entry are
# removed through "Remove Highlighted" and the rest of their keys stays.
#   viewers_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh" "$1" tervane-viewers-e2e
data="$WINEPREFIX/drive_c/tervane-viewers-data"
rm -rf "$data"
typed='HKCU\Software\Microsoft\Internet Explorer\TypedURLs'
runmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU'
findmru='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Doc Find Spec MRU'

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
quiet_start
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
wine reg delete "$typed" /f >/dev/null 2>&1
wine reg delete "$runmru" /f >/dev/null 2>&1
wine reg delete "$findmru" /f >/dev/null 2>&1
reg_add "$typed" /v url1 /d 'http://first.example/'
reg_add "$typed" /v url2 /d 'http://second.example/'
reg_add "$typed" /v url3 /d 'http://third.example/'
reg_add "$runmru" /v a /d 'notepad\1'
reg_add "$runmru" /v b /d 'regedit\1'
reg_add "$runmru" /v MRUList /d 'ba'
reg_add "$findmru" /v a /d '*.doc'

on_stop() { rm -rf "$data"; }
title="Tervane 6.6"
start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0  # Clean
drive tab 0  # Internet Explorer
sleep 0.5

# Typed addresses: the second one goes.
drive vclick "$title" URLs || check "URLs button (Internet Explorer)" missing present
drive wait "View URLs" 10 || check "View URLs window" absent shown
check "typed addresses listed" "$(drive_out items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  "http://first.example/ http://second.example/ http://third.example/"
shot view-urls
drive lbselect "View URLs" "http://second.example/" || check "selecting a typed address" failed done
drive click "View URLs" "Remove Highlighted"
sleep 1
check "typed addresses after removal" "$(drive_out items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  "http://first.example/ http://third.example/"
check "url2 removed" "$(reg_string "$typed" url2)" absent
check "url1 kept" "$(reg_string "$typed" url1)" 'http://first.example/'
check "url3 kept" "$(reg_string "$typed" url3)" 'http://third.example/'
drive click "View URLs" Done
drive gone "View URLs" 10 || check "View URLs after Done" open closed

# The cache, switched to the detailed report through its pop-up menu.
drive vclick "$title" Cache || check "Cache button (Internet Explorer)" missing present
drive wait "View Cache" 10 || check "View Cache window" absent shown
check "cache entries" "$(drive_out lvcount 'View Cache' | tr -d '\r')" 4
drive lvrclick "View Cache"
drive menu 1 || check "options menu" absent shown
shot view-cache
if [ -n "$shots" ]; then drive resize "View Cache" 900 640; shot view-cache-enlarged; fi
drive click "View Cache" Done
drive gone "View Cache" 10 || check "View Cache after Done" open closed

# Netscape: its address history and its cache.
drive tab 1
sleep 0.5
drive vclick "$title" URLs || check "URLs button (Netscape)" missing present
drive wait "View URLs" 10 || check "View URLs (Netscape)" absent shown
check "Netscape addresses" "$(drive_out items 'View URLs' | tr -d '\r' | paste -sd' ')" \
  'http://one.example/ "http://ten.example/'
shot view-netscape-urls
drive lbselect "View URLs" '"http://ten.example/' || check "selecting a Netscape address" failed done
drive click "View URLs" "Remove Highlighted"
sleep 1
check "prefs.js after removal" "$(tr -d '\r' <"$ns/Users/ann/prefs.js" | paste -sd'|')" \
  '// Netscape User Preferences||user_pref("browser.url_history.URL_1", "http://one.example/");'
drive click "View URLs" Done
drive gone "View URLs" 10
drive vclick "$title" Cache || check "Cache button (Netscape)" missing present
drive wait "View Cache" 10 || check "View Cache (Netscape)" absent shown
check "Netscape cache entries" "$(drive_out lvcount 'View Cache' | tr -d '\r')" 1
drive click "View Cache" Done
drive gone "View Cache" 10

# Windows: the Run history loses "regedit", its order list stays.
drive tab 3
sleep 0.5
shot main-windows-tab
drive click "$title" "Run History" || check "Run History button" missing present
drive wait "View Run History" 10 || check "View Run History window" absent shown
# The commands show without the Run box's "\1" marker.
check "Run history listed" "$(drive_out items 'View Run History' | tr -d '\r' | paste -sd' ')" \
  'notepad regedit'
shot view-run-history
drive lbselect "View Run History" 'regedit' || check "selecting a Run entry" failed done
drive click "View Run History" "Remove Highlighted"
sleep 1
check "Run entry b removed" "$(reg_string "$runmru" b)" absent
check "Run entry a kept" "$(reg_string "$runmru" a)" 'notepad\1'
check "Run order list kept" "$(reg_string "$runmru" MRUList)" ba
drive click "View Run History" Done
drive gone "View Run History" 10 || check "View Run History after Done" open closed

drive click "$title" "Search History" || check "Search History button" missing present
drive wait "View Search History" 10 || check "View Search History window" absent shown
check "search history listed" "$(drive_out items 'View Search History' | tr -d '\r')" '*.doc'
shot view-search-history
drive click "View Search History" Done
drive gone "View Search History" 10

drive click "$title" "Doc History" || check "Doc History button" missing present
drive wait "View Doc History" 10 || check "View Doc History window" absent shown
check "recent documents listed" "$(drive_out items 'View Doc History' | tr -d '\r' | paste -sd' ')" \
  'letter.txt.lnk notes.doc.lnk'
shot view-doc-history
drive click "View Doc History" Done
drive gone "View Doc History" 10

# Opera's cache.
drive tab 2
sleep 0.5
drive vclick "$title" Cache || check "Cache button (Opera)" missing present
drive wait "View Cache" 10 || check "View Cache (Opera)" absent shown
check "Opera cache entries" "$(drive_out lvcount 'View Cache' | tr -d '\r')" 1
drive click "View Cache" Done
drive gone "View Cache" 10

end_cleaner
wine reg delete "$typed" /f >/dev/null 2>&1
wine reg delete "$runmru" /f >/dev/null 2>&1
wine reg delete "$findmru" /f >/dev/null 2>&1
finish "View buttons end to end"
