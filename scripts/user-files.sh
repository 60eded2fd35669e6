# Sourced: tervane_is_user_file NAME succeeds when NAME (a file name in the program
# folder) matches installer/user-files.txt, the one list of the user's own files.
TERVANE_USER_FILES="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/installer/user-files.txt"

tervane_user_file_patterns() {
  sed -e 's/\r$//' -e '/^#/d' -e '/^[[:space:]]*$/d' "$TERVANE_USER_FILES"
}

tervane_is_user_file() {
  local name pattern
  name="${1,,}"
  while IFS= read -r pattern; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ "$name" == ${pattern,,} ]] && return 0
  done < <(tervane_user_file_patterns)
  return 1
}
