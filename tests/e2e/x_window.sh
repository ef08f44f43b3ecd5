# Helpers for the real-window tests, sourced by them: finding a game's window on $DISPLAY,
# its client area, and waiting for the game to end. They set and read $pid and $window.
# Sourcing skips the test (exit 77) when there is no X server, and sets $shots, the folder of
# the screenshots ($TEST_SCREENSHOTS, else /tmp).

[ -n "${DISPLAY:-}" ] || { echo "no X server (DISPLAY is not set): skipped"; exit 77; }
shots=${TEST_SCREENSHOTS:-/tmp}
mkdir -p "$shots"

fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# Waits for a visible window with exactly this title and brings it to the front.
find_window() {
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled '$1' appeared"
  # The window manager may still be framing it: wait until it is shown in its frame.
  for _ in $(seq 1 50); do
    xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable' && break
    sleep 0.1
  done
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 0.5
}

# Prints "X Y WIDTH HEIGHT" of the window's client area.
geometry() {
  xwininfo -id "$window" | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# Prints "WIDTH HEIGHT" of the screen.
screen_size() { xwininfo -root | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }'; }

# Waits up to 10 s for the game to end; its exit code is left in $code.
wait_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not end"
  wait "$pid"
  code=$?
  pid=""
}

# Whether a window is shown (mapped); a closed message box's window may linger unmapped.
shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

# Waits up to 5 s for a shown message box titled exactly $1 and leaves its id in $box.
find_box() {
  box=""
  for _ in $(seq 1 50); do
    box=$(xwininfo -root -tree | awk -v title="\"$1\":" 'index($0, title) { print $1; exit }')
    [ -n "$box" ] && shown "$box" && return 0
    sleep 0.1
  done
  box=""
  return 1
}

# Answers the box $box with key $1. Under Xvfb a box may miss the first key it is given, so
# the key is pressed again while the box is still shown.
answer_box() {
  xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
  sleep 0.5
  for _ in 1 2 3; do
    xdotool key "$1"
    sleep 0.7
    shown "$box" || return 0
  done
  return 1
}
