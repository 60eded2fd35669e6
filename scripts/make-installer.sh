#!/usr/bin/env bash
# Makes the installer of one Windows build tree (no build): stages the program folder,
# writes the NSIS file lists for it and runs makensis. The architecture (x86 or x64) is
# the programs' own, read from vorn66.exe.
#   make-installer.sh <windows build tree> <installer to write>
# Prints the architecture. TERVANE_STAGE_STRICT=1 fails when a program is not built.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/user-files.sh"
build="$(cd "$1" && pwd)"
outfile="$(realpath -m "$2")"
work="$(dirname "$outfile")/$(basename "$outfile" .exe).files"
stage="$work/stage"
mkdir -p "$work"
bash "$root/scripts/stage.sh" "$build" "$stage"

# The machine field of the PE header: 0x014c for i386, 0x8664 for x86-64.
pe_arch() {
  local offset machine
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ')
  case "$machine" in
    014c) echo x86 ;;
    8664) echo x64 ;;
    *) echo "make-installer: $1: unknown machine $machine" >&2; return 1 ;;
  esac
}
[ -f "$stage/vorn66.exe" ] || { echo "make-installer: vorn66.exe is not built in $build" >&2; exit 1; }
arch="$(pe_arch "$stage/vorn66.exe")"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || { echo "make-installer: no project version in $build" >&2; exit 1; }

# NSIS strings: "$" is written "$$".
nsis_text() { printf '%s' "${1//\$/\$\$}"; }

# The file lists: every staged file is either a program file (always written, removed by
# the uninstaller) or one of the user's own files (written only where absent).
lists="$work/files.nsh"
{
  echo "; Written by make-installer.sh from $(nsis_text "$stage")"
  echo "!define TERVANE_SIZE_KB $(du -sk "$stage" | cut -f1)"
  echo "!macro TervaneInstallProgramFiles"
  (cd "$stage" && find . -type d | sort) | while IFS= read -r dir; do
    rel="${dir#./}"
    [ "$rel" = . ] && rel=""
    files=()
    while IFS= read -r f; do
      name="${f##*/}"
      if [ -z "$rel" ] && tervane_is_user_file "$name"; then continue; fi
      files+=("$name")
    done < <(cd "$stage/$dir" && find . -maxdepth 1 -type f | sort)
    [ ${#files[@]} -gt 0 ] || continue
    win="${rel//\//\\}"
    echo "  SetOutPath \"\$INSTDIR${win:+\\}$(nsis_text "$win")\""
    for name in "${files[@]}"; do
      echo "  File \"$(nsis_text "$stage/${rel:+$rel/}$name")\""
    done
  done
  echo "!macroend"

  echo "!macro TervaneInstallUserFiles"
  echo "  SetOutPath \"\$INSTDIR\""
  (cd "$stage" && find . -maxdepth 1 -type f | sort) | while IFS= read -r f; do
    name="${f##*/}"
    if tervane_is_user_file "$name"; then echo "  File \"$(nsis_text "$stage/$name")\""; fi
  done
  echo "!macroend"

  echo "!macro TervaneRemoveProgramFiles"
  (cd "$stage" && find . -type f | sort) | while IFS= read -r f; do
    rel="${f#./}"
    if [[ "$rel" != */* ]] && tervane_is_user_file "$rel"; then continue; fi
    echo "  Delete \"\$INSTDIR\\$(nsis_text "${rel//\//\\}")\""
  done
  # Deepest folders first; each goes only when nothing else is left in it.
  (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r d; do
    rel="${d#./}"
    echo "  RMDir \"\$INSTDIR\\$(nsis_text "${rel//\//\\}")\""
  done
  echo "!macroend"

  echo "!macro TervaneRemoveUserFiles"
  tervane_user_file_patterns | while IFS= read -r pattern; do
    echo "  Delete \"\$INSTDIR\\$(nsis_text "$pattern")\""
  done
  echo "!macroend"
} >"$lists"

makensis -V2 -DVERSION="$version" -DARCH="$arch" -DFILES="$lists" \
  -DICON="$root/data/vorn66.ico" -DOUTFILE="$outfile" "$root/installer/tervane.nsi" >&2
echo "$arch"
