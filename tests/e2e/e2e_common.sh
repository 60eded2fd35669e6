# Shared by the cleaner's end-to-end scripts (sourced): the project's Wine prefix, a fresh
# program folder, the window driver and the checks.
#   source e2e_common.sh <windows build tree> <program folder name on C:>
# Afterwards: $root $build $folder $driver $out, drive, ini, setini, check, gone,
# start_cleaner, end_cleaner, stop; $failures counts failed checks.
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
ini() {  # ini <section> <key> [file]: a value in mainten.ini (or the given ini file)
  awk -v s="[$1]" -v k="$2" 'BEGIN{IGNORECASE=1} {sub(/\r$/,"")}
    /^\[/{in_s = (tolower($0) == tolower(s)); next}
    in_s && index(tolower($0), tolower(k) "=") == 1 {print substr($0, length(k) + 2); exit}' \
    "${3:-$folder/mainten.ini}"
}
setini() {  # setini <key> <value>: a key that occurs once in the delivered file
  sed -i -E "s/^$1=[^\r]*\r?$/$1=$2\r/" "$folder/mainten.ini"
}
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}
gone() { [ -e "$1" ] || [ -L "$1" ] && echo present || echo gone; }
start_cleaner() {  # starts vorn66.exe and waits for its main window
  wine "C:\\$folder_name\\vorn66.exe" >>"$out/vorn66.txt" 2>&1 </dev/null &
  pid=$!
  drive wait "Tervane 6.6" 60
}
end_cleaner() {  # closes the main window and waits for the program to end
  drive close "Tervane 6.6"
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then check "program ends when closed" running ended; fi
}
stop() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$out"; }
# A quiet start: no path search, no notice, no path detection.
quiet_start() {
  rm -f "$folder/scoutry.exe"
  setini Scoutry 0
  setini Showtip 0
  setini Detect 1
}
