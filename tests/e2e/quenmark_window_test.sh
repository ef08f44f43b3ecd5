#!/bin/bash
# Quenmark in a real window on the X server of $DISPLAY (scripts/test starts Xvfb and openbox):
# it covers the whole screen; a second copy started meanwhile says it cannot run twice and
# fails, and the first goes on; Z starts a game; Esc ends it when let go; a copy killed
# outright does not keep the next one from starting. Screenshots go to $TEST_SCREENSHOTS.
# Usage: quenmark_window_test.sh <path of Quenmark>
set -u
program=$(readlink -f "$1")
folder=$(dirname "$program")
source "$(dirname "$0")/x_window.sh"
work=$(mktemp -d)
pid=""
second=""
finish() {
  for p in $second $pid; do pkill -KILL -P "$p" 2>/dev/null; kill -KILL "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap finish EXIT

ln -s "$folder/images" "$work/images"
start() { (cd "$work" && exec "$program") & pid=$!; find_window "Quivane Ver 0.75 F"; }
start
read -r x y w h < <(geometry)
read -r sw sh < <(screen_size)
echo "window at $x,$y size ${w}x$h on a ${sw}x$sh screen"
[ "$w" = "$sw" ] && [ "$h" = "$sh" ] || fail "the game does not cover the screen"
shot() { import -window root "$shots/$1"; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }
shot quenmark-window-title.png

# A second copy: its message, then it fails (E_FAIL's low byte, 5, as the exit code).
(cd "$work" && exec "$program") &
second=$!
find_box "エラー" || fail "the second copy showed no message"
sleep 0.5
import -window root "$shots/quenmark-window-second-copy.png"
answer_box Return
kill -0 "$second" 2>/dev/null && fail "the second copy did not end"
wait "$second"
code=$?
second=""
echo "second copy ended with $code"
[ "$code" = 5 ] || fail "the second copy's exit code is $code"
kill -0 "$pid" 2>/dev/null || fail "the first copy ended too"

xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
sleep 0.3
hold z 0.2
sleep 1
shot quenmark-window-play.png
hold Left 0.5
xdotool keydown z
sleep 2
shot quenmark-window-firing.png
xdotool keyup z
differs=$(compare -metric AE -fuzz 10% "$shots/quenmark-window-title.png" "$shots/quenmark-window-play.png" null: 2>&1 | cut -d' ' -f1)
echo "pixels that changed from the title to play: $differs"
[ "${differs%%.*}" -gt 10000 ] || fail "Z did not start a game"

# Esc acts when it is let go.
xdotool keydown Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Esc ended the game before it was let go"
xdotool keyup Escape
wait_exit
[ "$code" = 0 ] || fail "exit code $code"

# A copy killed outright leaves nothing held: the next one starts.
start
kill -KILL "$pid"
wait "$pid" 2>/dev/null
pid=""
start
find_box "エラー" && fail "a killed copy kept the next one from starting"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
wait_exit
echo "PASS"
