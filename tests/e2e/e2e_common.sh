# Shared by the cleaner's end-to-end scripts (sourced): the project's Wine prefix, a fresh
# program folder, the window driver and the checks.
#   source e2e_common.sh <windows build tree> <program folder name on C:>
# Afterwards: $root $build $folder $folder_name $driver $out, drive, drive_out, ini,
# setini, tick_all, reg_add, reg_string, reg_key, check, gone, shot (into $shots, when the
# script set it), launch_cleaner, start_cleaner, answer_done, clean_all, wait_end,
# save_as, end_cleaner, quiet_start, stop (which runs the script's own on_stop first, when it has
# one) and finish; $failures counts failed checks.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$1"
folder_name="$2"
source "$root/scripts/wine-env.sh"
tervane_ensure_prefix

folder="$WINEPREFIX/drive_c/$folder_name"
rm -rf "$folder"
bash "$root/scripts/install-programs.sh" "$build" "$folder"
driver="$build/tests/e2e/vorn66_driver.exe"
out="$(mktemp -d)"
pid=""
failures=0

drive() { wine "$driver" "$@" >>"$out/driver.txt" 2>&1 </dev/null; }
# The same, keeping what the driver prints (item lists, counts, texts).
drive_out() { wine "$driver" "$@" 2>>"$out/driver.txt" </dev/null; }
ini() {  # ini <section> <key> [file]: a value in mainten.ini (or the given ini file)
  awk -v s="[$1]" -v k="$2" 'BEGIN{IGNORECASE=1} {sub(/\r$/,"")}
    /^\[/{in_s = (tolower($0) == tolower(s)); next}
    in_s && index(tolower($0), tolower(k) "=") == 1 {print substr($0, length(k) + 2); exit}' \
    "${3:-$folder/mainten.ini}"
}
setini() {  # setini <key> <value>: a key that occurs once in the delivered file
  local v="${2//\\/\\\\}"  # sed takes a backslash as two
  sed -i -E "s/^$1=[^\r]*\r?$/$1=$v\r/" "$folder/mainten.ini"
}
tick_all() {  # tick_all <0|1>: every option box of every area unticked or ticked
  sed -i -E '/^\[Rensa\]/,/^\[Senast\]/ s/^(Value[0-9]+)=[0-9]+\r?$/\1='"$1"'\r/' "$folder/mainten.ini"
}
reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }
reg_string() {  # reg_string <key> <name>: the value's string data, or "absent"
  local line
  line="$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -E "^[[:space:]]+$2[[:space:]]")"
  [ -n "$line" ] && echo "${line#*REG_SZ}" | sed -E 's/^[[:space:]]+//' || echo absent
}
reg_key() { wine reg query "$1" >/dev/null 2>&1 && echo present || echo gone; }
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
gone() { [ -e "$1" ] || [ -L "$1" ] && echo present || echo gone; }
shot() { [ -n "${shots:-}" ] && { sleep 1; import -window root "$shots/$1.png"; }; }
launch_cleaner() {  # starts vorn66.exe from the program folder
  wine "C:\\$folder_name\\vorn66.exe" >>"$out/vorn66.txt" 2>&1 </dev/null &
  pid=$!
}
start_cleaner() {  # starts vorn66.exe and waits for its main window
  launch_cleaner
  drive wait "Tervane 6.6" 60
}
wait_end() {  # wait_end <description>: the program ends within 20 s
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then check "$1" running ended; fi
}
answer_done() {  # answer_done <what>: the done message is shown and closes with OK
  drive wait Info 60 || check "$1" absent shown
  drive click Info OK
  drive gone Info 10 || check "$1 closes with OK" open closed
}
clean_all() {  # presses "Clean All" and answers its done message; $asked counts the
  # message boxes before it (under Wine: the Internet Properties dialog cannot be driven)
  local done_shown=no
  drive vclick "Tervane 6.6" "Clean All" || check "Clean All button" missing present
  asked=0
  for _ in $(seq 1 120); do
    if drive wait Info 0.5; then done_shown=yes; break; fi
    if drive wait Tervane 0.5; then
      drive click Tervane OK && asked=$((asked + 1))
      drive gone Tervane 5
    fi
  done
  check "done message after Clean All" "$done_shown" yes
  shot clean-all-done
  drive click Info OK
  drive gone Info 10 || check "done message closes" open closed
}
save_as() {  # save_as <window> <file name>: "Save As..." of the Analysis window (or of
  # "Last Cleaning Details") saves into the program folder under this name
  rm -f "$folder/$2"
  drive click "$1" "Save As..." || check "Save As button of $1" missing present
  drive saveas "C:\\$folder_name\\$2" || check "Save As dialog of $1" absent shown
  for _ in $(seq 1 50); do [ -s "$folder/$2" ] && break; sleep 0.2; done
  [ -s "$folder/$2" ] || check "$2 saved" absent present
}
end_cleaner() {  # closes the main window and waits for the program to end
  drive close "Tervane 6.6"
  wait_end "program ends when closed"
}
stop() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  if declare -F on_stop >/dev/null; then on_stop; fi
  rm -rf "$out"
}
finish() {  # finish <what passed>: stops, reports and ends the script
  stop
  [ "$failures" -eq 0 ] && echo "$1: passed"
  exit $((failures > 0))
}
# A quiet start: no path search, no notice, no path detection.
quiet_start() {
  rm -f "$folder/scoutry.exe"
  setini Scoutry 0
  setini Showtip 0
  setini Detect 1
}
