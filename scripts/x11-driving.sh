# SPDX-License-Identifier: MIT
# Drives programs in an X server as a user does, with xdotool. Sourced by the scripts that
# start real editors in Xvfb.

# Starts Xvfb on a free display of this run alone and exports DISPLAY; the caller stops it
# with xal_stop_x_server. The server must not reset when its last client leaves: on a
# loaded machine, an editor started just after the readiness check (itself a client) could
# not connect while the server was resetting.
xal_start_x_server() {
  local number
  for number in $(shuf -i 50-450 -n 20); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XAL_XVFB_PID=$!
    export DISPLAY=":$number"
    poll 100 xdpyinfo >/dev/null 2>&1 && return 0
    kill "$XAL_XVFB_PID" 2>/dev/null || true
  done
  echo "No X server could be started." >&2
  return 1
}
xal_stop_x_server() { [ -n "${XAL_XVFB_PID:-}" ] && kill "$XAL_XVFB_PID" 2>/dev/null || true; }

# Runs the command every tenth of a second until it succeeds, at most the given times.
poll() {
  local tries="$1"
  shift
  until "$@"; do
    ((--tries > 0)) || return 1
    sleep 0.1
  done
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! visible "$1"; }
# Gives the keyboard to a visible window whose name matches; fails when there is none, or
# when it went away meanwhile (as Wine's first window of a dialog may).
focus() {
  local window
  window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)"
  [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null
}
focus_window() { poll 600 focus "$1" || { echo "No window \"$1\" appeared." >&2; return 1; }; }
wait_until_closed() { poll 600 gone "$1" || { echo "\"$1\" did not close." >&2; return 1; }; }
