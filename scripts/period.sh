# Sourced after scripts/wine-env.sh: makes the prefix a period Windows as the programs see
# it. Wine reports that system's version (HKCU\Software\Wine "Version"), and the browser
# and user folders lie where that system keeps them, named so in the shell folders (the
# cleaner's path detection and the URL cache both read them), with the TEMP variable and
# the run-once keys of that family.
#   tervane_period_check <version>    fails, saying why, where this host cannot show it
#   tervane_period_folders <version>  sets period_cookies, period_history, period_cache,
#                                     period_recent, period_temp (Windows paths, no "\"
#                                     at the end) and period_family (9x or nt)
#   tervane_period_prepare <version>  creates the prefix and lays it out, once per
#                                     layout: a marker keeps what was laid out
#   tervane_period_session <version>  the family's run keys, once each Wine session has
#                                     started
#   tervane_unix_path <windows path>  the Unix path of a path on drive C:
# Versions: win98, nt40, win2k, winxp. Wine's own Windows folder is always C:\windows, so
# on NT 4.0 and 2000 (C:\WINNT on the real systems) the folders kept there (Temp,
# Downloaded Program Files) stay in C:\windows.
: "${WINEPREFIX:?source scripts/wine-env.sh first}"
tervane_period_versions="win98 nt40 win2k winxp"

tervane_period_check() {
  case " $tervane_period_versions " in
    *" $1 "*) ;;
    *) echo "period: unknown Windows version '$1' (one of: $tervane_period_versions)" >&2
       return 2 ;;
  esac
  # A 64-bit prefix cannot pretend to be a 32-bit-only system; the 64-bit build is for
  # XP x64 and later.
  if [ "$WINEARCH" = win64 ] && [ "$1" != winxp ]; then
    echo "period: $1 needs 32-bit Wine, which this host cannot run" >&2
    return 1
  fi
}

tervane_period_folders() {
  local user profile
  user="$(id -un)"
  case "$1" in
    win98)
      period_family=9x
      period_cookies='C:\WINDOWS\Cookies'
      period_history='C:\WINDOWS\History'
      period_cache='C:\WINDOWS\Temporary Internet Files'
      period_recent='C:\WINDOWS\Recent'
      period_temp='C:\WINDOWS\TEMP' ;;
    nt40)
      period_family=nt
      profile="C:\\WINNT\\Profiles\\$user"
      period_cookies="$profile\\Cookies"
      period_history="$profile\\History"
      period_cache="$profile\\Temporary Internet Files"
      period_recent="$profile\\Recent"
      period_temp='C:\TEMP' ;;
    win2k|winxp)
      period_family=nt
      profile="C:\\Documents and Settings\\$user"
      period_cookies="$profile\\Cookies"
      period_history="$profile\\Local Settings\\History"
      period_cache="$profile\\Local Settings\\Temporary Internet Files"
      period_recent="$profile\\Recent"
      period_temp="$profile\\Local Settings\\Temp" ;;
    *) return 2 ;;
  esac
}

# The Unix path of a Windows path on drive C: of the prefix. Names match existing entries
# in any case, as they do on Windows ("C:\WINDOWS" is the prefix's "windows"); a name
# spelt in another case on the Unix side would be a second folder that Wine may not show.
tervane_unix_path() {
  local path="$WINEPREFIX/drive_c" part entry match parts
  IFS='\' read -ra parts <<<"${1#[Cc]:\\}"
  for part in "${parts[@]}"; do
    [ -n "$part" ] || continue
    match="$part"
    if [ ! -e "$path/$part" ]; then
      for entry in "$path"/* "$path"/.*; do
        [ "${entry,,}" = "${path,,}/${part,,}" ] && { match="${entry##*/}"; break; }
      done
    fi
    path="$path/$match"
  done
  echo "$path"
}

tervane_period_layout() {
  local ver="$1" wine_ver="$1" name path
  [ "$WINEARCH" = win64 ] && wine_ver=winxp64
  tervane_period_folders "$ver"
  local shell='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
  local user_shell='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
  wine reg add 'HKCU\Software\Wine' /v Version /d "$wine_ver" /f >/dev/null 2>&1
  # The shell answers only for folders that exist.
  for path in "$period_cookies" "$period_history" "$period_cache" "$period_recent" \
    "$period_temp" 'C:\windows\Temp' 'C:\windows\Downloaded Program Files'; do
    mkdir -p "$(tervane_unix_path "$path")"
  done
  for name in Cookies History Cache Recent; do
    case "$name" in
      Cookies) path="$period_cookies" ;;
      History) path="$period_history" ;;
      Cache) path="$period_cache" ;;
      Recent) path="$period_recent" ;;
    esac
    wine reg add "$user_shell" /v "$name" /t REG_EXPAND_SZ /d "$path" /f >/dev/null 2>&1
    wine reg add "$shell" /v "$name" /d "$path" /f >/dev/null 2>&1
  done
  wine reg add 'HKCU\Environment' /v TEMP /d "$period_temp" /f >/dev/null 2>&1
  wine reg add 'HKCU\Environment' /v TMP /d "$period_temp" /f >/dev/null 2>&1
  tervane_period_session "$ver"
}

# Wine's boot makes the services' run-once key at the start of every session (the first
# program after the server starts), which only the 9x family has: run this after it.
tervane_period_session() {
  local key='HKLM\Software\Microsoft\Windows\CurrentVersion\RunServicesOnce'
  tervane_period_folders "$1"
  if [ "$period_family" = 9x ]; then
    wine reg add "$key" /f >/dev/null 2>&1
  else
    wine reg delete "$key" /f >/dev/null 2>&1
  fi
  return 0
}

tervane_period_prepare() {
  tervane_period_check "$1" || return
  tervane_ensure_prefix || return
  local marker="$TERVANE_WINE_DIR/.period" want
  want="$1 $(md5sum <"$TERVANE_ROOT/scripts/period.sh" | cut -d' ' -f1)"
  if [ "$(cat "$marker" 2>/dev/null)" != "$want" ]; then
    echo "period: laying out $WINEPREFIX as $1" >&2
    tervane_period_layout "$1" || return
    # The registry is on disk, and no server is left for the caller's persistent one.
    wineserver -w
    echo "$want" >"$marker"
  else
    tervane_period_folders "$1"
  fi
}
