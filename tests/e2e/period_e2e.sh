#!/usr/bin/env bash
# The cleaner on a period Windows under Wine: a prefix of the version's own
# (build/period-<version>) reports that Windows and keeps the browser and user folders
# where that system does (scripts/period.sh). The demo's traces are seeded there (cache
# and history through the URL cache), with links to a folder outside the prefix and the
# media player plugin ticked. A first start runs the path search and the detection, whose
# [Path] must name the period folders; "Clean All" with every option ticked must remove
# every trace. Where the program meets the two families differently it must act as that
# family does: the plugin's key with a sub-key goes on 9x and stays on NT (the system's
# own key deletion), and the services' run-once value is written only where 9x has its
# key. A next start of the prefix then runs vesper from the run-once keys, which removes
# the locked index files.
#   period_e2e.sh <windows build tree> <win98|nt40|win2k|winxp> [screenshot folder]
# Exits 77 (skipped) where the host cannot run that version (no 32-bit code).
set -uo pipefail
ver="${2:?version}"
shots="${3:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export TERVANE_WINE_DIR="$(cd "$here/../.." && pwd)/build/period-$ver"
source "$here/../../scripts/wine-env.sh"
source "$TERVANE_ROOT/scripts/period.sh"
tervane_period_check "$ver"
case $? in 0) ;; 1) echo "period $ver: skipped"; exit 77 ;; *) exit 2 ;; esac
source "$here/e2e_common.sh" "$1" tervane-period-e2e
unix() { tervane_unix_path "$1"; }
drive_c="$WINEPREFIX/drive_c"
runonce='HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce'
runservices='HKLM\Software\Microsoft\Windows\CurrentVersion\RunServicesOnce'
player='HKCU\Software\Microsoft\MediaPlayer\Player'
outside="$TERVANE_WINE_DIR/period-outside"
on_stop() {
  wine reg delete "$runonce" /v "String Value" /f >/dev/null 2>&1
  wine reg delete "$runservices" /v "String Value" /f >/dev/null 2>&1
  wine reg delete "$player" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  rm -rf "$outside"
}
lower() { tr 'A-Z' 'a-z'; }

# One server for the whole run: a server started anew runs the run-once entries, which
# this test does on purpose only once, as the next start of Windows.
server_ends() { timeout 60 "$WINESERVER" -w || check "Wine session ends" running ended; }
session() {
  wineserver -k >/dev/null 2>&1
  server_ends
  wineserver -p >/dev/null 2>&1 &
}

# --- traces -----------------------------------------------------------------------------
on_stop  # what an interrupted run left, its persistent server too
tervane_period_prepare "$ver" || { echo "FAIL: laying out $ver"; stop; exit 1; }
session
TERVANE_DRIVER="$driver" bash "$root/scripts/seed-demo.sh" >/dev/null ||
  { echo "FAIL: seeding"; stop; exit 1; }
cookies="$(unix "$period_cookies")"
history="$(unix "$period_history")"
cache="$(unix "$period_cache")"
recent="$(unix "$period_recent")"
temp="$drive_c/windows/temp"
dpf="$drive_c/windows/Downloaded Program Files"
ns="$drive_c/Program Files/Netscape/Users/default"
opera="$drive_c/Program Files/Opera"
trash="$XDG_DATA_HOME/Trash"
drive_out cachelist http:// | tr -d '\r' >"$out/cache.txt"
drive_out cachelist Visited: | tr -d '\r' >"$out/visited.txt"
check "pages in the URL cache" "$(wc -l <"$out/cache.txt")" 5
check "visits in the URL cache" "$(wc -l <"$out/visited.txt")" 6
while IFS='|' read -r url file; do
  check "cache file of $url" "$(gone "$(unix "$file")")" present
done <"$out/cache.txt"
# Every file and folder trace, each checked before and after the cleaning (a pattern that
# matched nothing stays as it is, and is found missing).
user="$(id -un)"
history_link="$history/History.IE5/MSHist012000010320000110"
rm -f "$history_link"  # a link an earlier run may have left is no trace
traces=("$history"/History.IE5/MSHist01* "$cookies/$user@news.example[1].txt"
        "$cookies/$user@shop.example[2].txt" "$cookies/$user@bank.example[1].txt"
        "$recent/Budget 2001.xls.lnk" "$recent/holiday.jpg.lnk" "$temp/~DF1A2B.tmp"
        "$temp/setup.log" "$dpf/viewer.inf" "$drive_c/FILE0000.CHK" "$drive_c/FILE0001.CHK"
        "$ns/netscape.hst" "$ns/Cache/M0000001.HTM" "$opera/global.dat" "$opera/cookies4.dat"
        "$opera/vlink4.dat" "$opera/Cache4/opr00001.htm" "$trash/files/draft.txt")
for f in "${traces[@]}"; do check "seeded ${f#"$drive_c"/}" "$(gone "$f")" present; done

# Links from cleaned folders to a folder outside the prefix: none may be followed.
mkdir -p "$outside/inner"
echo keep >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"
ln -sfn "$outside" "$cache/outside-link"
ln -sfn "$outside" "$(dirname "$(unix "$(head -n1 "$out/cache.txt" | cut -d'|' -f2)")")/outside-link"
ln -sfn "$outside" "$history_link"
ln -sfn "$outside" "$recent/outside-link"
ln -sfn "$outside" "$dpf/outside-link"
ln -sfn "$outside/keep.txt" "$cookies/$user@linked[1].txt"
ln -sfn "$outside/keep.txt" "$temp/outside.tmp"
touch -h -d '3 days ago' "$temp/outside.tmp"

# The media player plugin, ticked: values, a key with a sub-key, play lists in TEMP.
for v in File0 File1; do reg_add "$player\\RecentFileList" /v "$v" /d "C:\\clip-$v.avi"; done
reg_add "$player\\RecentURLList" /v URL0 /d 'http://media.example/a.asf'
reg_add "$player\\RecentURLList\\Streams" /v Last /d 'http://media.example/live'
echo list >"$temp/period.asx"
check "plugin key seeded" "$(reg_key "$player\\RecentURLList\\Streams")" present
sed -i 's/^Active=.*\r$/Active=True\r/' "$folder/mplayer.cp2"
check "plugin ticked" "$(ini Main Active "$folder/mplayer.cp2")" True

# Every option ticked; the first start detects the paths and runs the search.
tick_all 1
tervane_period_session "$ver"
[ "$period_family" = 9x ] && services=present || services=gone
check "RunServicesOnce key before the start" "$(reg_key "$runservices")" "$services"

# --- first start ------------------------------------------------------------------------
launch_cleaner
drive wait Search 60 || { echo "FAIL: the path search did not start"; stop; exit 1; }
drive click Search "Start searching"
drive gone Search 600 || check "path search ends" running ended
drive wait "Notice!" 60 || { echo "FAIL: no notice"; stop; exit 1; }
drive click "Notice!" OK
drive gone "Notice!" 10 || check "notice closes" open closed
drive wait "Tervane 6.6" 10 || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 1
shot "period-$ver-paths"

# The detected paths are the period folders.
for pair in "IE1=$period_history\\" "IE2=$period_cache\\" "IE3=$period_cookies\\" \
  "IE4=$period_cache\\Content.ie5\\" "Win1=$period_recent\\" 'Win2=C:\windows\Temp\' \
  'Win3=C:\windows\Downloaded Program Files\' 'Netscape1A=C:\Program Files\Netscape\Users\' \
  'Netscape1C=default' 'Netscape2=C:\Program Files\Netscape\Users\default\Cache\' \
  'Opera1=C:\Program Files\Opera\' 'Opera2=C:\Program Files\Opera\Cache4\' 'Detect=1'; do
  check "[Path] ${pair%%=*}" "$(ini Path "${pair%%=*}")" "${pair#*=}"
done
# The search found the locked index files of the period folders.
found="$(sed -n 's/^[0-9]*=//p' "$folder/index.ini" | tr -d '\r' | lower)"
for idx in "$period_cache\\Content.IE5\\index.dat" "$period_history\\History.IE5\\index.dat" \
  "$period_cookies\\index.dat"; do
  echo "$found" | grep -qxF "$(echo "$idx" | lower)" || check "index.ini names $idx" absent present
done

# --- Clean All ---------------------------------------------------------------------------
drive nav 0
sleep 0.5
clean_all
check "message boxes before the done message (the dialog's language)" "$asked" 1
end_cleaner

# Every trace is gone.
check "pages left in the URL cache" "$(drive_out cachecount http:// | tr -d '\r')" 0
check "visits left in the URL cache" "$(drive_out cachecount Visited: | tr -d '\r')" 0
while IFS='|' read -r url file; do
  check "cache file of $url" "$(gone "$(unix "$file")")" gone
done <"$out/cache.txt"
# The dated history folders go once the cleaner finds them by their long names.
for f in "${traces[@]}" "$temp/period.asx"; do
  check "trace ${f#"$drive_c"/}" "$(gone "$f")" gone
done
check "Netscape cookies kept" "$(cat "$ns/cookies.txt" 2>/dev/null | grep -c example)" 0
check "Netscape typed addresses" "$(grep -ci url_history "$ns/prefs.js")" 0
check "scratch files of the rewrites in TEMP" \
  "$(find "$(unix "$period_temp")" -iname 'tmp*.tmp' 2>/dev/null | wc -l)" 0
check "typed addresses" "$(reg_key 'HKCU\Software\Microsoft\Internet Explorer\TypedURLs')" gone
for mru in 'RunMRU a' 'RunMRU b' 'Doc Find Spec MRU a'; do
  check "$mru" "$(reg_string "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\${mru% *}" \
    "${mru##* }")" absent
done
check "plugin value" "$(reg_string "$player\\RecentFileList" File0)" absent
locked=("$cookies/index.dat" "$cache/Content.IE5/index.dat" "$history/History.IE5/index.dat")
for f in "${locked[@]}"; do
  check "locked ${f#"$drive_c"/} (until the next start)" "$(gone "$f")" present
done
for f in keep.txt inner/deep.txt; do
  check "outside $f" "$(cat "$outside/$f" 2>/dev/null)" "$(basename "$f" .txt)"
done

# The families: the system's own key deletion, and the services' run-once key of 9x.
remover='C:\tervane-period-e2e\vesper.exe'
check "RunOnce value" "$(reg_string "$runonce" 'String Value')" "$remover"
if [ "$period_family" = 9x ]; then
  check "plugin key with a sub-key (9x removes both)" "$(reg_key "$player\\RecentURLList")" gone
  check "RunServicesOnce value" "$(reg_string "$runservices" 'String Value')" "$remover"
else
  check "plugin key with a sub-key (NT keeps it)" "$(reg_key "$player\\RecentURLList\\Streams")" present
  check "RunServicesOnce key (none on NT)" "$(reg_key "$runservices")" gone
fi

# --- the next start of Windows ------------------------------------------------------------
# The first program of a new session starts the run-once entries; the session ends once
# they have run.
wineserver -k >/dev/null 2>&1
server_ends
reg_key "$runonce" >/dev/null
server_ends
session
check "RunOnce value after the next start" "$(reg_string "$runonce" 'String Value')" absent
check "RunServicesOnce value after the next start" \
  "$(reg_string "$runservices" 'String Value')" absent
for f in "${locked[@]}"; do
  check "locked ${f#"$drive_c"/} after the next start" "$(gone "$f")" gone
done
# Its only records: the linked history folder, which it leaves in place.
check "errors vesper logged" "$(tr -d '\r' <"$folder/vorn.log" | grep VESPER |
  grep -vc "\\${history_link##*/} (75)\"\$")" 0
finish "period $ver end to end"
