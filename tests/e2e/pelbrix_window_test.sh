#!/bin/bash
# Pelbrix in a real window on the X server of $DISPLAY (scripts/test starts Xvfb and openbox):
# the window's size, place and title, Esc, the size options and Alt+Enter.
# Usage: pelbrix_window_test.sh <path of bin/Pelbrix>. Screenshots go to $TEST_SCREENSHOTS.
set -u
program=$(readlink -f "$1")
folder=$(dirname "$program")/..
source "$(dirname "$0")/x_window.sh"

start() {
  (cd "$folder" && exec "$program" "$@") &
  pid=$!
  find_window "Velquist Sonata"
}

echo "== no arguments: an 800 x 600 client area at the top-left"
start
read -r x y w h < <(geometry)
echo "client at $x,$y size ${w}x$h"
[ "$w" = 800 ] && [ "$h" = 600 ] || fail "client area is ${w}x$h"
[ "$x" -lt 16 ] && [ "$y" -lt 64 ] || fail "window is at $x,$y, not at the top-left"
import -window root "$shots/pelbrix-window.png"
xdotool key Escape
wait_exit
[ "$code" = 0 ] || fail "Esc ended the game with exit code $code"

echo "== the title, START, and a few seconds of the stage"
start
sleep 1
import -window root "$shots/pelbrix-title.png"
xdotool key Return
sleep 4
import -window root "$shots/pelbrix-play.png"
kill -0 "$pid" 2>/dev/null || fail "the game ended during the stage"
xdotool key Escape
wait_exit
[ "$code" = 0 ] || fail "exit code $code"
[ -s "$folder/Pelbrix.ini" ] || fail "no Pelbrix.ini was written at exit"

echo "== -w 1024 -h 768"
start -w 1024 -h 768
read -r x y w h < <(geometry)
[ "$w" = 1024 ] && [ "$h" = 768 ] || fail "client area is ${w}x$h"
xdotool key Escape
wait_exit
[ "$code" = 0 ] || fail "exit code $code"

echo "== Alt+Enter twice"
start
xdotool key alt+Return
sleep 1
read -r x y w h < <(geometry)
screen=$(screen_size | tr ' ' x)
echo "fullscreen: ${w}x$h (screen $screen)"
[ "${w}x$h" = "$screen" ] || fail "Alt+Enter gave ${w}x$h, not the whole screen"
import -window root "$shots/pelbrix-fullscreen.png"
xdotool key alt+Return
sleep 1
read -r x y w h < <(geometry)
[ "$w" = 800 ] && [ "$h" = 600 ] || fail "back in the window the client area is ${w}x$h"
xdotool key Escape
wait_exit
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
