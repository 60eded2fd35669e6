#!/usr/bin/env bash
# Analyze end to end under Wine, on the seeded demo profile with every option ticked:
# "Analyze All" through the main window changes no file, time stamp, file content or
# registry value, and what its window lists is what the "Clean All" that follows removes
# (totals and items, as the run's report beside the log tells them, and row for row as
# "Last Cleaning Details" lists them). The window's "Save As..." writes the report's text
# and a CSV of its rows. A link from a cleaned folder to a folder outside the prefix
# leaves that folder intact.
#   analyze_e2e.sh <windows build tree> [screenshot folder]
set -uo pipefail
shots="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/host-arch.sh"
export TERVANE_WINE_ARCH="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}"
# A prefix of its own: the seeded profile and the cleaning of every area would change
# what the other scripts find on the shared one (whole-drive searches, counts).
export TERVANE_WINE_DIR="$(cd "$here/../.." && pwd)/build/analyze-$TERVANE_WINE_ARCH"
source "$here/e2e_common.sh" "$1" tervane-analyze-e2e
drive_c="$WINEPREFIX/drive_c"

TERVANE_DRIVER="$driver" bash "$root/scripts/seed-demo.sh" >/dev/null ||
  { echo "FAIL: seeding the demo profile"; stop; exit 1; }
# Links from two cleaned folders to a folder outside the prefix: a folder link where the
# removal empties a whole tree, a file link among cache files.
outside="$TERVANE_WINE_DIR/analyze-outside"
downloaded="$drive_c/windows/Downloaded Program Files"
ns_cache="$drive_c/Program Files/Netscape/Users/default/Cache"
rm -rf "$outside"
mkdir -p "$outside/inner"
echo mine >"$outside/keep.txt"
echo deep >"$outside/inner/deep.txt"
ln -sfn "$outside" "$downloaded/outside-link"
ln -sfn "$outside/keep.txt" "$ns_cache/M0000009.HTM"
# A file link among the old temporary files, old itself and pointing at an old file
# (whichever date the listing shows): the step goes on past it. A read-only recent
# document.
temp="$drive_c/windows/temp"
touch -d '3 days ago' "$outside/keep.txt"
ln -sfn "$outside/keep.txt" "$temp/old-link.tmp"
touch -h -d '3 days ago' "$temp/old-link.tmp"
read_only_doc="$(find "$drive_c" -name 'holiday.jpg.lnk' | head -1)"
[ -n "$read_only_doc" ] && chmod a-w "$read_only_doc" || check "recent document seeded" none one
# An old temporary file that another program holds open through the analysis and the
# cleaning: both name it as not removed.
echo busy >"$temp/held-open.tmp"
touch -d '3 days ago' "$temp/held-open.tmp"
# A cache of 20,000 files: every one is listed, sized and removed.
awk -v dir="$ns_cache" 'BEGIN { for (i = 1; i <= 20000; i++) {
  f = dir "/B" i ".htm"; s = ""; for (j = 0; j <= i % 7; j++) s = s "x"; printf "%s", s >f; close(f) } }'
files_now() {  # every file of drive C: as the program names it, in lower case
  (cd "$drive_c" && find . -path "./$folder_name" -prune -o -type f -printf '%p\n') |
    sed 's|^\./|c:\\|; s|/|\\|g' | tr 'A-Z' 'a-z' | sort
}
# Two more entries of the URL cache, which only the Internet Properties dialog (or the
# cache interface) empties, besides the demo's pages and visits.
drive cacheadd http://analyze.example/a.htm http://analyze.example/b.htm ||
  check "cache entries made" failed done
check "cache entries seeded" "$(drive_out cachecount http://analyze.example/ | tr -d '\r')" 2
# What the dialog would empty: every entry but the cookies'; the pages have files in the
# cache's folders.
url_entries() { drive_out cachelist '' | tr -d '\r' | grep -v '^Cookie:'; }
url_entries >"$out/entries.txt"
entries="$(wc -l <"$out/entries.txt")"
entry_files="$(cut -d'|' -f2 "$out/entries.txt" | grep . | tr 'A-Z' 'a-z' | sort)"
check "files of the URL cache entries (all in the cache's folders)" \
  "$(echo "$entry_files" | grep -c '\\content\.ie5\\')" "$(grep -c '^http' "$out/entries.txt")"

# Every option of every area ticked, the paths detected at the start, no notice; cookie
# files overwritten three times before they go.
quiet_start
setini Detect 0
setini Safetylevel 3
tick_all 1

# Everything the program could change outside its own folder, as one text: each entry of
# drive C: with its type, size, time stamp and link target, each file's checksum, the
# Recycle Bin behind it, the current user's registry and the run-once keys.
# Left out: the program's own folder (its log and settings are written while it runs).
trash="$XDG_DATA_HOME/Trash"
snapshot() {
  (cd "$drive_c" && find . -path "./$folder_name" -prune -o -printf '%p %y %s %T@ %l\n' | sort)
  (cd "$drive_c" && find . -path "./$folder_name" -prune -o -type f -print0 | sort -z |
    xargs -0 md5sum)
  (cd "$trash" 2>/dev/null && find . -printf '%p %y %s %T@\n' | sort)
  # Wine keeps the session's passing system settings (the mouse's) under its own key.
  wine reg query HKCU /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters/ {skip = 1; next}
         /^HKEY_/ {skip = 0} !skip'
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce' /s 2>/dev/null | tr -d '\r'
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunServicesOnce' /s 2>/dev/null |
    tr -d '\r'
}

marker="$folder/held.txt"
holder=""
rm -f "$marker"
wine "$driver" holdopen 600 "C:\\windows\\temp\\held-open.tmp" "C:\\$folder_name\\held.txt" \
  >>"$out/driver.txt" 2>&1 </dev/null &
holder=$!
for _ in $(seq 1 100); do [ -f "$marker" ] && break; sleep 0.1; done
[ -f "$marker" ] || check "holder of the open file ready" no yes

start_cleaner || { echo "FAIL: no main window"; stop; exit 1; }
sleep 2
drive nav 0
sleep 1
snapshot >"$out/before.txt"
drive vclick "Tervane 6.6" "Analyze All" || check "Analyze All button" missing present
drive wait Analysis 120 || check "Analysis window" absent shown
sleep 1
[ -n "$shots" ] && import -window root "$shots/analysis-all.png"
drive_out lvrows Analysis | tr -d '\r' >"$out/analysis-rows.tsv"
# Before "Save As...": the common dialog keeps its last folder in the user's registry.
snapshot >"$out/after.txt"
# "Save As...", as text and as CSV, through the common dialog.
save_as Analysis saved-analysis.txt
save_as Analysis saved-analysis.csv
tr -d '\r' <"$folder/saved-analysis.txt" >"$out/analysis.txt"
if [ -n "$shots" ]; then
  drive resize Analysis 1000 700
  sleep 1
  import -window root "$shots/analysis-all-enlarged.png"
fi
drive click Analysis Close
drive gone Analysis 10 || check "Analysis closes" open closed
rows="$(wc -l <"$out/analysis-rows.tsv")"
[ "$rows" -gt 20 ] || check "rows of the Analysis window" "$rows" "more than 20"
# The CSV is the window's rows: the same texts, the size in bytes. Quoted fields (none
# here holds a line break) lose their quotes, doubled quotes become one.
csv_rows() {
  tr -d '\r' <"$1" | tail -n +2 | awk '{
    out = ""; field = ""; quoted = 0; n = length($0)
    for (i = 1; i <= n; i++) {
      c = substr($0, i, 1)
      if (quoted) {
        if (c == "\"" && substr($0, i + 1, 1) == "\"") { field = field c; i++ }
        else if (c == "\"") quoted = 0
        else field = field c
      } else if (c == "\"") quoted = 1
      else if (c == ",") { out = out field "\t"; field = "" }
      else field = field c
    }
    print out field }'
}
check "CSV header" "$(head -1 "$folder/saved-analysis.csv" | tr -d '\r')" \
  "Area,Option,Kind,Path,Size,Outcome"
check "CSV rows are the window's rows (all but the size)" \
  "$(csv_rows "$folder/saved-analysis.csv" | cut -f1-4,6 | md5sum)" \
  "$(cut -f1-4,6 "$out/analysis-rows.tsv" | md5sum)"
check "CSV sizes in bytes where the window shows one" \
  "$(csv_rows "$folder/saved-analysis.csv" | awk -F'\t' '$5 !~ /^[0-9]*$/' | head -3)" ""
check "CSV rows with a size" \
  "$(csv_rows "$folder/saved-analysis.csv" | awk -F'\t' '$5 != ""' | wc -l)" \
  "$(awk -F'\t' '$5 != ""' "$out/analysis-rows.tsv" | wc -l)"
# The window's rows are the report's items: each path under its heading.
check "rows are the saved report's items" \
  "$(cut -f4 "$out/analysis-rows.tsv" | sort | md5sum)" \
  "$(sed -n '/^== /,$p' "$out/analysis.txt" | sed -n 's/^  //p' | sed 's/  (.*$//' | sort |
    md5sum)"
if ! cmp -s "$out/before.txt" "$out/after.txt"; then
  check "analysis changes nothing" "$(diff "$out/before.txt" "$out/after.txt" | head -20)" ""
fi

files_now >"$out/files-before.txt"

# The cleaning of the same options; the Internet Properties dialog cannot be driven
# under Wine, which the program says in a message box before it empties the URL cache
# itself.
clean_all
check "message boxes before it (the dialog's language)" "$asked" 1
rm -f "$marker"
wait "$holder" 2>/dev/null
# The report in the program's own window: the analysis's rows, item by item (area,
# option, kind, path and size; the outcome says "removed" where it said "would remove").
drive nav 3
sleep 1
drive vclick "Tervane 6.6" "Last Cleaning Details" || check "Last Cleaning Details button" missing present
drive wait "Last Cleaning Details" 20 || check "Last Cleaning Details window" absent shown
sleep 1
[ -n "$shots" ] && import -window root "$shots/last-cleaning-details.png"
drive_out lvrows "Last Cleaning Details" | tr -d '\r' >"$out/cleaning-rows.tsv"
save_as "Last Cleaning Details" saved-cleaning.txt
drive esc "Last Cleaning Details"
drive gone "Last Cleaning Details" 10 || check "Last Cleaning Details closes with Esc" open closed
check "cleaning rows equal the analysis rows" \
  "$(diff <(cut -f1-5 "$out/analysis-rows.tsv") <(cut -f1-5 "$out/cleaning-rows.tsv") | head -10)" ""
check "outcomes of the rows done" \
  "$(cut -f6 "$out/cleaning-rows.tsv" | grep -c 'removed$')" \
  "$(cut -f6 "$out/analysis-rows.tsv" | grep -c '^would remove$\|then removed$')"
check "saved text is the report beside the log" \
  "$(cmp -s "$folder/saved-cleaning.txt" "$folder/vorn-report.txt" && echo same)" same
end_cleaner
files_now >"$out/files-after.txt"
report="$(tr -d '\r' <"$folder/vorn-report.txt" 2>/dev/null)"

# After a restart no rows are in memory: the window shows the report's text.
start_cleaner || check "main window after the restart" absent shown
drive nav 3
sleep 1
drive vclick "Tervane 6.6" "Last Cleaning Details" || check "Last Cleaning Details button" missing present
drive wait "Last Cleaning Details" 20 || check "Last Cleaning Details after a restart" absent shown
sleep 1
[ -n "$shots" ] && import -window root "$shots/last-cleaning-details-text.png"
drive_out edittext "Last Cleaning Details" >"$out/details-text.txt"
check "the report's text after a restart" \
  "$(diff <(tr -d '\r' <"$out/details-text.txt") <(tr -d '\r' <"$folder/vorn-report.txt") | head -5)" ""
drive esc "Last Cleaning Details"
drive gone "Last Cleaning Details" 10 || check "its text closes with Esc" open closed
end_cleaner
analysis="$(cat "$out/analysis.txt")"

# Totals: the same, the URL cache entries included (the cleaning lists those its
# clearing emptied).
would="$(echo "$analysis" | sed -n 's/^Would remove: //p')"
removed="$(echo "$report" | sed -n 's/^Removed: //p')"
listed=", $entries browser cache entries"
case "$would" in *"$listed"*) ;; *) check "URL cache entries in the totals" "$would" "...$listed" ;; esac
check "analysis totals equal the cleaning's" "$would" "$removed"
check "analysis refusals equal the cleaning's" \
  "$(echo "$analysis" | sed -n 's/^Would not be removed: //p')" \
  "$(echo "$report" | sed -n 's/^Could not be removed: //p')"
grep -q ' in [1-9][0-9,]* files, [1-9][0-9]* registry values' <<<"$would" ||
  check "the demo profile gives files and values to remove" "$would" "... files, ... values"

# Items: the same, area by area and option by option, the URL cache entries that the
# option handing the cache to the dialog lists included. That option's leftover files
# (not in the URL cache) are in both.
dialog_option='-- Internet Explorer Cache (Using Control Panel) --'
option_block() {  # option_block <heading> <0|1>: only the option's lines, or all but them
  awk -v h="$1" -v keep="$2" '/^(-- |== )/ {inside = ($0 == h)} (inside == keep)'
}
entries_heading='Entries the Internet Properties dialog empties'
entries_block() {  # the entries heading and its lines
  awk -v h="$entries_heading" 'index($0, h) == 1 {keep = 1; print; next}
    keep && /^  / {print; next} {keep = 0}'
}
check "the dialog's option lists the URL cache entries" \
  "$(echo "$analysis" | option_block "$dialog_option" 1 | entries_block | sort | tr '\n' '|')" \
  "$({ echo "$entries_heading ($entries)"
       cut -d'|' -f1 "$out/entries.txt" | sed 's/^/  /'; } | sort | tr '\n' '|')"
check "analysis items equal the report's" \
  "$(echo "$analysis" | sed -n '/^== /,$p')" \
  "$(echo "$report" | sed -n '/^== /,$p')"
for area in "Internet Explorer" Netscape Opera Windows; do
  # A here-string: grep -q ends at its match, which under pipefail a pipe's writer sees
  # as a failure once the text is longer than one write.
  grep -qx "== $area ==" <<<"$analysis" || check "analysis of $area" absent listed
done
check "URL cache emptied" "$(url_entries | wc -l)" 0

# The files that went are exactly the report's removed files, less those written anew,
# and the files of the URL cache entries, which went with their entries.
items() {  # items <heading>: the entries listed under each block of this heading
  echo "$report" | awk -v h="$1" '/^[^ ]/ {inside = index($0, h " (") == 1; next}
    inside && /^  / {sub(/^  /, ""); sub(/  \([^()]*\)$/, ""); print}' | tr 'A-Z' 'a-z' | sort -u
}
check "removed files are the report's" \
  "$(comm -23 "$out/files-before.txt" "$out/files-after.txt")" \
  "$({ comm -23 <(items Files) <(items "Files rewritten"); echo "$entry_files"; } | sort)"
check "Recycle Bin emptied" "$(find "$trash/files" -mindepth 1 2>/dev/null | wc -l)" 0

# What the links reach is intact; Wine leaves its folder link, and the report says why.
check "outside file" "$(cat "$outside/keep.txt" 2>/dev/null)" mine
check "outside folder" "$(cat "$outside/inner/deep.txt" 2>/dev/null)" deep
check "folder link" "$(gone "$downloaded/outside-link")" present
check "temporary file link" "$(gone "$temp/old-link.tmp")" present
check "old temporary files beside it" "$(gone "$temp/setup.log") $(gone "$temp/~DF1A2B.tmp")" \
  "gone gone"
check "read-only recent document" "$(gone "$read_only_doc")" gone
check "file held open" "$(gone "$temp/held-open.tmp")" present
grep -qi 'temp\\held-open\.tmp' <<<"$(echo "$report" | sed -n '/^Not removed/,/^[^ ]/p')" ||
  check "report names the file held open as not removed" no yes
check "cache files removed" "$(find "$ns_cache" -name 'B*.htm' | wc -l)" 0
check "cache files listed" "$(cut -f4 "$out/analysis-rows.tsv" | grep -ci '\\cache\\b[0-9]*\.htm$')" 20000
check "cookie files overwritten three times" \
  "$(echo "$report" | grep -c 'overwritten 3 times, then removed')" \
  "$(echo "$analysis" | grep -c 'overwritten 3 times, then removed')"
[ "$(echo "$report" | grep -c 'overwritten 3 times, then removed')" -gt 0 ] ||
  check "cookie files overwritten at safety level 3" none some
grep -qiF 'temp\old-link.tmp  (Files, a link, left in place)' <<<"$report" ||
  check "temporary file link reported as left in place" no yes
grep -qF 'Downloaded Program Files\outside-link  (Links (the link only, never its target), a link, left in place)' <<<"$report" ||
  check "folder link reported as left in place" no yes

[ -n "${TERVANE_KEEP_ANALYSIS:-}" ] &&
  cp "$out/before.txt" "$out/after.txt" "$out/analysis.txt" "$folder/vorn-report.txt" "$TERVANE_KEEP_ANALYSIS/"
rm -rf "$outside"
finish "analysis end to end"
