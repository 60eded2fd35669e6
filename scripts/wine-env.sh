# Sourced by every script that runs Wine. Wine links the prefix's user folders to $HOME
# and maps the Recycle Bin to the desktop trash, so HOME and the XDG folders must point
# into the project's own build folder: a cleaning run must never reach the real home.
TERVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TERVANE_WINE_DIR="${TERVANE_WINE_DIR:-$TERVANE_ROOT/build/wine}"
export WINEPREFIX="$TERVANE_WINE_DIR/prefix"
export HOME="$TERVANE_WINE_DIR/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$TERVANE_WINE_DIR/run"
export WINEARCH=win32
export WINEDEBUG=-all
# No desktop menu entries, no Mono or Gecko download prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset WINESERVER

tervane_prefix_ready() { [ -f "$TERVANE_WINE_DIR/.ready" ]; }

# Creates the prefix once; later calls return at once. Safe to call from parallel
# test processes: the first one creates, the others wait on the lock.
tervane_ensure_prefix() {
  tervane_prefix_ready && return 0
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  (
    flock 9
    tervane_prefix_ready && exit 0
    echo "tervane: creating the Wine prefix in $WINEPREFIX (once, about 20 s)" >&2
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$TERVANE_WINE_DIR/.ready"
  ) 9>"$TERVANE_WINE_DIR.lock"
}
