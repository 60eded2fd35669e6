# Sourced: decides which Windows build this host can run under Wine.
#   tervane_wine_arch   prints win32 where the kernel runs 32-bit x86 code, else win64.
# TERVANE_WINE_ARCH=win32|win64 overrides the probe (win64 simulates a 64-bit-only host).
# The probe runs a 96-byte static i386 program that exits with 42: it needs no 32-bit
# libraries, so it answers the same before and after the i386 packages are installed.
tervane_runs_32bit() {
  local probe rc
  probe="$(mktemp)"
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1
  rc=$?
  rm -f "$probe"
  [ "$rc" = 42 ]
}

tervane_wine_arch() {
  case "${TERVANE_WINE_ARCH:-}" in
    win32|win64) echo "$TERVANE_WINE_ARCH"; return ;;
    "") ;;
    *) echo "TERVANE_WINE_ARCH must be win32 or win64" >&2; return 1 ;;
  esac
  if tervane_runs_32bit; then echo win32; else echo win64; fi
}

# The CMake preset and build tree of the Windows build for an architecture.
tervane_windows_preset() { [ "$1" = win64 ] && echo windows-x64 || echo windows; }
