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
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$1"
shots="${2:-}"
source "$root/scripts/wine-env.sh"
tervane_ensure_prefix

folder="$WINEPREFIX/drive_c/tervane-ie-e2e"
data="$WINEPREFIX/drive_c/tervane-ie-data"
outside="$TERVANE_WINE_DIR/tervane-ie-outside"
rm -rf "$folder" "$data" "$outside"
bash "$root/scripts/install-programs.sh" "$build" "$folder"
rm -f "$folder/scoutry.exe"
driver="$build/tests/e2e/vorn66_driver.exe"
out="$(mktemp -d)"
drive() { wine "$driver" "$@" 2>>"$out/driver.txt" </dev/null; }
setini() {  # setini <key> <value>: a key that occurs once in the delivered file
  sed -i -E "s/^$1=[^\r]*\r?$/$1=${2//\\/\\\\}\r/" "$folder/mainten.ini"
}
failures=0
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
there() { [ -e "$1" ] || [ -L "$1" ] && echo present || echo gone; }
shot() { [ -n "$shots" ] && { sleep 1; import -window root "$shots/$1.png"; }; }
typed='HKCU\Software\Microsoft\Internet Explorer\TypedURLs'
runonce='HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce'
runservices='HKLM\Software\Microsoft\Windows\CurrentVersion\RunServicesOnce'
value() {  # value <key> <name>: the string data, or "absent"
  local line
  line="$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -E "^[[:space:]]+$2[[:space:]]")"
  [ -n "$line" ] && echo "${line#*REG_SZ}" | sed -E 's/^[[:space:]]+//' || echo absent
}

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

setini Scoutry 0
setini Showtip 0
setini Detect 1
setini Safetylevel 3
setini IE1 'C:\tervane-ie-data\IE\History\'
setini IE2 'C:\tervane-ie-data\IE\Temporary Internet Files\'
setini IE3 'C:\tervane-ie-data\IE\Cookies\'
setini IE4 'C:\tervane-ie-data\IE\Temporary Internet Files\Content.IE5\'
sed -i -E '/^\[Rensa\]/,/^\[Senast\]/ s/^(Value[0-9]+)=[0-9]+\r?$/\1=0\r/' "$folder/mainten.ini"
for k in 1 2 3 4 5; do setini "Value$k" 1; done
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
wine reg delete "$typed" /f >/dev/null 2>&1
reg "$typed" /v url1 /d 'http://secret.example/'
# Both keys exist, so both values are written. Wine carries out run-once values whenever
# its server starts anew, so the test removes them again at once.
reg "$runonce"
reg "$runservices"
wine reg delete "$runonce" /v "String Value" /f >/dev/null 2>&1
wine reg delete "$runservices" /v "String Value" /f >/dev/null 2>&1
drive cacheadd 'http://cache.example/page.htm' || check "cache entry made" failed done
drive cacheadd 'http://cache.example/other.htm' || check "cache entry made" failed done
check "cache entries before" "$(drive cachecount 'http://cache.example/' | tr -d '\r')" 2

wine 'C:\tervane-ie-e2e\vorn66.exe' >"$out/vorn66.txt" 2>&1 </dev/null &
pid=$!
stop() {
  kill "$pid" 2>/dev/null
  wine reg delete "$runonce" /v "String Value" /f >/dev/null 2>&1
  wine reg delete "$runservices" /v "String Value" /f >/dev/null 2>&1
  rm -rf "$out" "$data" "$outside"
}
title="Tervane 6.6"
drive wait "$title" 60 >/dev/null || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0 >/dev/null
drive tab 0 >/dev/null  # Internet Explorer
sleep 0.5

# The tracker's cookie goes, the other one is kept (list 0 is the cookie files, sorted).
drive vclick "$title" Cookies || check "Cookies button" missing present
drive wait "Internet Explorer Cookies" 10 >/dev/null || { echo "FAIL: no cookie dialog"; stop; exit 1; }
check "cookie files listed" "$(drive lbcount 'Internet Explorer Cookies' 0 | tr -d '\r')" 3
drive lbpick "Internet Explorer Cookies" 0 0 || check "picking the kept cookie" failed done
drive click "Internet Explorer Cookies" Add
shot ie-cookies
check "kept entries" "$(drive lbcount 'Internet Explorer Cookies' 1 | tr -d '\r')" 1
drive click "Internet Explorer Cookies" OK
drive gone "Internet Explorer Cookies" 10 >/dev/null || check "dialog closes with OK" open closed
check "keep list file" "$(tr -d '\r' <"$folder/cookies1.lst")" 'me@kept[1].txt'

# Another program holds the keyboard while the cleaning runs.
wine "$driver" editwindow "Tervane bystander" 25 >"$out/bystander.txt" 2>/dev/null </dev/null &
bystander=$!
drive wait "Tervane bystander" 20 >/dev/null || check "bystander window" absent shown
sleep 1
drive toolbar "Clean IE" || check "Clean IE toolbar" missing present
drive wait Tervane 60 >/dev/null || check "not-supported message" absent shown
drive click Tervane OK
drive wait Info 90 >/dev/null || check "done message after Clean IE" absent shown
drive click Info OK
drive gone Info 10 >/dev/null || check "done message closes" open closed
wait "$bystander"
check "keystrokes in the other window" "$(tr -d '\r' <"$out/bystander.txt")" "[]"

check "kept cookie" "$(there "$cookies/me@kept[1].txt")" present
check "kept cookie content" "$(head -n1 "$cookies/me@kept[1].txt")" kept
check "tracker cookie" "$(there "$cookies/me@tracker[1].txt")" gone
check "cookie index.dat" "$(there "$cookies/index.dat")" present
check "cache index.dat" "$(there "$tif/index.dat")" present
check "cache page" "$(there "$tif/page.htm")" gone
check "cache picture" "$(there "$tif/logo.gif")" gone
check "cache sub-folder" "$(there "$tif/Content.IE5/inner.htm")" present
check "history folder 1" "$(there "$hist/mshist~1")" gone
check "history folder 10" "$(there "$hist/mshis~10")" gone
check "history folder 12 (never tried)" "$(there "$hist/mshist~12")" present
check "outside folder" "$(cat "$outside/keep.txt" 2>/dev/null)" mine
check "cache entries after" "$(drive cachecount 'http://cache.example/' | tr -d '\r')" 0
check "typed addresses" "$(value "$typed" url1)" absent
check "RunOnce value" "$(value "$runonce" 'String Value')" 'C:\tervane-ie-e2e\vesper.exe'
check "RunServicesOnce value" "$(value "$runservices" 'String Value')" 'C:\tervane-ie-e2e\vesper.exe'

drive close "$title" >/dev/null
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then check "program ends on close" running ended; fi
stop
[ "$failures" -eq 0 ] && echo "Internet Explorer cleaning end to end: passed"
exit $((failures > 0))
