#!/usr/bin/env bash
# import_audit.sh <table> <win32|win64> <objdump> <program.exe>...
# A Windows loader refuses a whole program when one import is missing, so every import of
# each release program must be listed in the table (DLL, function, the oldest Windows of
# each family that exports it, where that was taken from) and exist on the oldest system
# the build supports: Windows 95 and NT 4.0, each with Internet Explorer 5, for the
# 32-bit release; XP x64 for the 64-bit build. Prints every offending import and fails.
set -uo pipefail
table="$1" arch="$2" objdump="$3"
shift 3

# Each family's versions in order; a function marked "-" never came to that family.
rank_9x() {
  case "$1" in
    95 | 95stub) echo 1 ;; 95+IE4) echo 2 ;; 95+IE5) echo 3 ;; 98) echo 4 ;; ME) echo 5 ;; *) echo 99 ;;
  esac
}
rank_nt() {
  case "$1" in
    3.1) echo 1 ;; 3.5) echo 2 ;; 3.51) echo 3 ;; 4.0) echo 4 ;; 4.0SP3) echo 5 ;; 4.0+IE4) echo 6 ;;
    4.0+IE5) echo 7 ;; 2000) echo 8 ;;
    XP) echo 9 ;; XPx64) echo 10 ;; *) echo 99 ;;
  esac
}
if [ "$arch" = win64 ]; then
  floor_9x=99 floor_nt=$(rank_nt XPx64)
else
  floor_9x=$(rank_9x 95+IE5) floor_nt=$(rank_nt 4.0+IE5)
fi

declare -A since_9x since_nt dlls
while IFS=$'\t' read -r dll function oldest_9x oldest_nt source; do
  case "$dll" in '#'* | '') continue ;; esac
  if [ -z "${source:-}" ]; then
    echo "import audit: table row without a source: $dll $function" >&2
    exit 1
  fi
  dll="${dll^^}"
  dlls[$dll]=1
  since_9x[$dll!$function]="$oldest_9x"
  since_nt[$dll!$function]="$oldest_nt"
done <"$table"

status=0
for program in "$@"; do
  if [ ! -f "$program" ]; then
    echo "import audit: $program is missing" >&2
    status=1
    continue
  fi
  imports="$("$objdump" -p "$program" | awk '
    /^\tDLL Name: / { dll = toupper($3); listing = 0; next }
    /^\tvma: +Hint\/Ord Member-Name/ { listing = 1; next }
    listing && NF == 0 { listing = 0; next }
    listing && NF >= 3 { print dll "!" $3; next }
    listing && NF == 2 { print dll "!#" $2 }')"
  count=0
  while IFS= read -r import; do
    [ -n "$import" ] || continue
    count=$((count + 1))
    dll="${import%%!*}"
    if [ -z "${dlls[$dll]:-}" ]; then
      echo "import audit: $(basename "$program"): $dll is not in the table (${import#*!})"
      status=1
      continue
    fi
    if [ -z "${since_nt[$import]:-}" ]; then
      echo "import audit: $(basename "$program"): $dll ${import#*!} is not in the table"
      status=1
      continue
    fi
    r_nt=$(rank_nt "${since_nt[$import]}")
    r_9x=$(rank_9x "${since_9x[$import]}")
    if [ "$r_nt" -gt "$floor_nt" ] || { [ "$arch" = win32 ] && [ "$r_9x" -gt "$floor_9x" ]; }; then
      echo "import audit: $(basename "$program"): $dll ${import#*!} needs" \
           "${since_9x[$import]} / NT ${since_nt[$import]}, newer than the supported floor"
      status=1
    fi
  done <<<"$imports"
  if [ "$count" = 0 ]; then
    echo "import audit: no imports read from $program" >&2
    status=1
  fi
  echo "import audit: $(basename "$program"): $count imports checked"
done
exit $status
