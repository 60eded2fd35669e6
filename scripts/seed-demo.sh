#!/usr/bin/env bash
# Seeds the demo prefix's drive C: with the traces a cleaner should find: Internet
# Explorer 5 history, cache and cookies, Netscape 4.7 and Opera 4 profiles, typed
# addresses, Run and Find histories, temporary files, recent documents, check-disk
# fragments and a full Recycle Bin. Internet Explorer's folders are the shell folders of
# the prefix (scripts/period.sh moves them where a period system has them). Run after
# sourcing scripts/wine-env.sh; writes only inside $WINEPREFIX and the prefix's own HOME.
# The cache and the visited addresses go through the URL cache, as the browser puts them
# there (the window driver makes the entries, TERVANE_DRIVER or the host's build tree's):
# files merely copied into the cache folders would be listed by no index.dat.
set -euo pipefail
: "${WINEPREFIX:?source scripts/wine-env.sh first}"
driver="${TERVANE_DRIVER:-$TERVANE_WINDOWS_BUILD/tests/e2e/vorn66_driver.exe}"
if [ ! -f "$driver" ]; then
  echo "seed-demo: $driver is not built (cmake --build --preset ...)" >&2
  exit 1
fi
case "$WINEPREFIX" in "$HOME"/.wine*|/root/.wine*) echo "refusing a user prefix" >&2; exit 1 ;; esac

source "$(dirname "${BASH_SOURCE[0]}")/period.sh"
drive_c="$WINEPREFIX/drive_c"
shell_folder() {  # the prefix's own folder for a shell folder name, as a Unix path
  tervane_unix_path "$(wine reg query \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v "$1" 2>/dev/null |
    tr -d '\r' | awk -F'REG_SZ' 'NF > 1 {sub(/^[ \t]+/, "", $2); print $2}')"
}
put() {  # put <file> <text>: writes a file with CR LF line ends, creating its folder
  mkdir -p "$(dirname "$1")"
  printf '%b' "$2" | sed 's/$/\r/' >"$1"
}
index_dat() {  # a file that starts like a cache index
  mkdir -p "$(dirname "$1")"
  { printf 'Client UrlCache MMF Ver 5.2\0'; head -c 16384 /dev/zero; } >"$1"
}
reg() { wine reg add "$@" /f >/dev/null 2>&1; }

wineboot -u >/dev/null 2>&1 || true
history="$(shell_folder History)"
cache="$(shell_folder Cache)"
cookies="$(shell_folder Cookies)"
recent="$(shell_folder Recent)"

# Internet Explorer 5: pages and pictures in the cache, visited addresses in the history,
# each through the URL cache (which makes the index.dat files), cookie files.
user="$(id -un)"
pages=(http://news.example/index.htm http://news.example/logo.gif http://shop.example/style.css
       http://shop.example/cart.htm http://search.example/results.htm)
visits=()
for page in "${pages[@]}" http://bank.example/login.htm; do visits+=("Visited: $user@$page"); done
wine "$driver" cacheadd "${pages[@]}" "${visits[@]}" </dev/null >/dev/null 2>&1 ||
  { echo "seed-demo: the URL cache refused an entry" >&2; exit 1; }
# A listing of every container opens the cookies' one too, which makes its index.dat.
wine "$driver" cachecount '' </dev/null >/dev/null 2>&1
# The daily and weekly history folders that the browser's own cache containers keep under
# their long names (MSHist01<first day><day after the last>); the cache interface here
# makes no such containers, so they are laid down as the browser leaves them.
day() { date -d "$1" +%Y%m%d; }
for span in "$(day '-7 days')$(day today)" "$(day today)$(day tomorrow)"; do
  index_dat "$history/History.IE5/MSHist01$span/index.dat"
done
put "$cookies/$user@news.example[1].txt" "session\nabc123\nnews.example/\n1024\n3567587328\n30124599\n"
put "$cookies/$user@shop.example[2].txt" "cart\n42\nshop.example/\n0\n3567587328\n30124599\n"
put "$cookies/$user@bank.example[1].txt" "login\nkeep-me\nbank.example/\n0\n3567587328\n30124599\n"
reg 'HKCU\Software\Microsoft\Internet Explorer\TypedURLs' /v url1 /d 'http://news.example/'
reg 'HKCU\Software\Microsoft\Internet Explorer\TypedURLs' /v url2 /d 'http://shop.example/cart'
reg 'HKCU\Software\Microsoft\Internet Explorer\TypedURLs' /v url3 /d 'http://bank.example/login'

# Netscape 4.7: one user profile with cache, cookies, history and typed addresses.
ns="$drive_c/Program Files/Netscape/Users/default"
put "$ns/cookies.txt" "# Netscape HTTP Cookie File\n# This is a generated file!  Do not edit.\n\n.news.example\tTRUE\t/\tFALSE\t1893456000\tsession\tabc123\n.shop.example\tTRUE\t/\tFALSE\t1893456000\tcart\t42\n"
put "$ns/prefs.js" "// Netscape User Preferences\nuser_pref(\"browser.cache.directory\", \"C:\\\\\\\\Program Files\\\\\\\\Netscape\\\\\\\\Users\\\\\\\\default\\\\\\\\Cache\");\nuser_pref(\"browser.url_history.URL_1\", \"http://news.example/\");\nuser_pref(\"browser.url_history.URL_2\", \"http://shop.example/\");\nuser_pref(\"browser.startup.homepage\", \"http://home.example/\");\n"
put "$ns/liprefs.js" "// Netscape Roaming Preferences\n"
put "$ns/netscape.hst" "news.example shop.example bank.example"
for f in M0000001.HTM M0000002.GIF M0000003.JPG; do put "$ns/Cache/$f" "cached $f"; done
put "$ns/Cache/FAT.DB" "cache index"

# Opera 4: its data files and cache.
op="$drive_c/Program Files/Opera"
put "$op/opera.win" "[Windows]\nCount=2\n[Window 1]\nURL=http://news.example/\n[Window 2]\nURL=http://shop.example/\n"
put "$op/global.dat" "http://news.example/\nhttp://shop.example/\n"
put "$op/cookies4.dat" "opera cookie file"
put "$op/opera.dir" "[Directories]\n"
put "$op/vlink4.dat" "http://news.example/\n"
for f in opr00001.htm opr00002.gif; do put "$op/Cache4/$f" "cached $f"; done

# Windows: recent documents, temporary files, downloaded components, check-disk
# fragments, Run and Find histories.
for f in "Budget 2001.xls.lnk" "Letter to Anna.doc.lnk" "holiday.jpg.lnk"; do put "$recent/$f" "shortcut"; done
put "$drive_c/windows/temp/~DF1A2B.tmp" "scratch"
put "$drive_c/windows/temp/setup.log" "installer log"
# Left behind days ago: the temporary files step takes only files a day old or older.
touch -d '3 days ago' "$drive_c/windows/temp/~DF1A2B.tmp" "$drive_c/windows/temp/setup.log"
put "$drive_c/windows/Downloaded Program Files/viewer.inf" "[Version]\nSignature=\"\$CHICAGO\$\"\n"
put "$drive_c/FILE0000.CHK" "lost cluster"
put "$drive_c/FILE0001.CHK" "lost cluster"
reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU' /v a /d 'notepad\1'
reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU' /v b /d 'regedit\1'
reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU' /v MRUList /d 'ba'
reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Doc Find Spec MRU' /v a /d 'budget'
reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Doc Find Spec MRU' /v MRUList /d 'a'

# A full Recycle Bin: the prefix maps it to the trash of its own HOME.
trash="${XDG_DATA_HOME:-$HOME/.local/share}/Trash"
for f in old-report.doc draft.txt; do
  put "$trash/files/$f" "deleted $f"
  put "$trash/info/$f.trashinfo" "[Trash Info]\nPath=$drive_c/users/$(id -un)/Documents/$f\nDeletionDate=2026-12-01T10:00:00"
done
echo "seeded the demo drive C: in $drive_c"
