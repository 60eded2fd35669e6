# Sourced: starts a private Xvfb on a free display number and exports DISPLAY.
# Sets TERVANE_XVFB to its process id so the caller can stop it.
tervane_start_xvfb() {
  TERVANE_XVFB_FD_FILE="$(mktemp)"
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$TERVANE_XVFB_FD_FILE" 2>/dev/null &
  TERVANE_XVFB=$!
  for _ in $(seq 1 50); do
    [ -s "$TERVANE_XVFB_FD_FILE" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$TERVANE_XVFB_FD_FILE")"
  export TERVANE_XVFB TERVANE_XVFB_FD_FILE
}
