# Sourced by every script that runs Wine. Wine links the prefix's user folders to $HOME
# and maps the Recycle Bin to the desktop trash, so HOME and the XDG folders must point
# into the project's own build folder: a cleaning run must never reach the real home.
#
# The architecture follows the host (scripts/host-arch.sh): 32-bit Wine and the i686
# build where the kernel runs 32-bit code, else Wine's 64-bit loader and the x86_64 build
# in a 64-bit prefix. Debian's `wine` and `wineserver` wrappers prefer the 32-bit binaries
# whenever wine32 is installed, so the loader and the server are named explicitly, and
# `wine`, `wineserver`, `wineboot` and `winepath` below shadow the wrappers in every script that
# sources this file.
TERVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$TERVANE_ROOT/scripts/host-arch.sh"
export TERVANE_WINE_ARCH="${TERVANE_WINE_ARCH:-$(tervane_wine_arch)}"
if [ "$TERVANE_WINE_ARCH" = win64 ]; then
  export TERVANE_WINE_DIR="${TERVANE_WINE_DIR:-$TERVANE_ROOT/build/wine64}"
  export WINELOADER=/usr/lib/wine/wine64
  export WINESERVER=/usr/lib/wine/wineserver64
else
  export TERVANE_WINE_DIR="${TERVANE_WINE_DIR:-$TERVANE_ROOT/build/wine}"
  export WINELOADER=/usr/lib/wine/wine
  export WINESERVER=/usr/lib/wine/wineserver32
fi
export WINEARCH="$TERVANE_WINE_ARCH"
# The Windows build tree whose programs this host runs.
export TERVANE_WINDOWS_BUILD="$TERVANE_ROOT/build/$(tervane_windows_preset "$TERVANE_WINE_ARCH")"
export WINEPREFIX="$TERVANE_WINE_DIR/prefix"
export HOME="$TERVANE_WINE_DIR/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$TERVANE_WINE_DIR/run"
export WINEDEBUG=-all
# No desktop menu entries, no Mono or Gecko download prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

wine() { "$WINELOADER" "$@"; }
wineserver() { "$WINESERVER" "$@"; }
wineboot() { "$WINELOADER" wineboot "$@"; }
winepath() { "$WINELOADER" winepath "$@"; }
export -f wine wineserver wineboot winepath

tervane_prefix_ready() { [ -f "$TERVANE_WINE_DIR/.ready" ]; }

# Creates the prefix once; later calls return at once. Safe to call from parallel
# test processes: the first one creates, the others wait on the lock.
tervane_ensure_prefix() {
  tervane_prefix_ready && return 0
  if [ ! -x "$WINELOADER" ]; then
    echo "tervane: $WINELOADER is missing; run scripts/setup.sh" >&2
    return 1
  fi
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  (
    flock 9
    tervane_prefix_ready && exit 0
    echo "tervane: creating the $WINEARCH Wine prefix in $WINEPREFIX (once, about 20 s)" >&2
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits up to 2 s for each hidden top-level window to
    # be withdrawn; unmanaged windows skip that. Only the test prefixes: the demo keeps
    # its managed look.
    if [ "${TERVANE_WINE_UNMANAGED:-1}" = 1 ]; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$TERVANE_WINE_DIR/.ready"
  ) 9>"$TERVANE_WINE_DIR.lock"
}
