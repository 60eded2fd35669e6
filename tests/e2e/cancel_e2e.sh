#!/usr/bin/env bash
# A cleaning of 20,000 cache files started in the window and cancelled halfway, under
# Wine: the progress window shows, the main window answers a request for its title within
# 1 s all the while, the files after the cancel point stay, and the report says the run
# was cancelled and lists exactly the files that went. A link from the cache to a folder
# outside the prefix leaves that folder intact.
#   cancel_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/host-arch.sh"
export TERVANE_WINE_ARCH="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}"
# A prefix of its own: the seeded profile would change what the other scripts find.
export TERVANE_WINE_DIR="$(cd "$here/../.." && pwd)/build/cancel-$TERVANE_WINE_ARCH"
source "$here/e2e_common.sh" "$1" tervane-cancel-e2e
drive_c="$WINEPREFIX/drive_c"

TERVANE_DRIVER="$driver" bash "$root/scripts/seed-demo.sh" >/dev/null ||
  { echo "FAIL: seeding the demo profile"; stop; exit 1; }
ns_cache="$drive_c/Program Files/Netscape/Users/default/Cache"
outside="$TERVANE_WINE_DIR/cancel-outside"
rm -rf "$outside"
mkdir -p "$outside"
echo mine >"$outside/keep.txt"
ln -sfn "$outside" "$ns_cache/outside-link"
total=20000
awk -v dir="$ns_cache" -v n="$total" 'BEGIN { for (i = 1; i <= n; i++) {
  f = sprintf("%s/C%05d.htm", dir, i); printf "cached page %d", i >f; close(f) } }'
cached() { find "$ns_cache" -maxdepth 1 -name 'C*.htm' | wc -l; }

# Only the Netscape cache is ticked.
quiet_start
setini Detect 0
tick_all 0
sed -i -E '/^\[Rensa\]/,/^\[Senast\]/ s/^Value6=[0-9]+\r?$/Value6=1\r/' "$folder/mainten.ini"

start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 1
drive nav 0
drive tab 1
sleep 0.5
# Asks for the main window's title every 100 ms until the progress window has come and gone.
drive_out answers "Tervane 6.6" Cleaning 300 >"$out/answers.txt" &
watcher=$!
drive toolbar "Clean Netscape" || check "Clean Netscape toolbar" missing present
drive wait Cleaning 30 || check "progress window" absent shown
shot cancel-progress
for _ in $(seq 1 1200); do [ "$(cached)" -le $((total * 6 / 10)) ] && break; sleep 0.05; done
drive click Cleaning Cancel || check "Cancel of the progress window" missing present
answer_done "done message after the cancel"
wait "$watcher"
watched=$?
check "main window answers within 1 s throughout" \
  "$watched $(tr -d '\r' <"$out/answers.txt" | sed 's/ slowest.*//')" "0 run seen,"
left="$(cached)"
[ "$left" -gt 0 ] && [ "$left" -lt "$total" ] ||
  check "files after the cancel point stay" "$left" "between 1 and $((total - 1))"
report="$(tr -d '\r' <"$folder/vorn-report.txt" 2>/dev/null)"
grep -qF 'Cancelled: what follows is what was done until then.' <<<"$report" ||
  check "report says the run was cancelled" no yes
listed="$(grep -c '\\C[0-9]*\.htm  (' <<<"$report")"
check "report lists the files that went" "$listed" "$((total - left))"
check "outside folder" "$(cat "$outside/keep.txt" 2>/dev/null)" mine
end_cleaner
rm -rf "$outside"
echo "$(tr -d '\r' <"$out/answers.txt"); $left of $total files left"
finish "cancel end to end"
