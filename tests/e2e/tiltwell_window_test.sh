#!/bin/bash
# Tiltwell in a real window on the X server of $DISPLAY (scripts/test starts Xvfb and openbox):
# the first start writes Twell.ini and shows the title; Return fades into the first stage,
# whose name the window's title shows; the arrow keys roll the ball; the window manager's close
# asks first, and No keeps the game; Esc ends it. Screenshots go to $TEST_SCREENSHOTS.
# Usage: tiltwell_window_test.sh <path of Tiltwell>
set -u
program=$(readlink -f "$1")
folder=$(dirname "$program")
source "$(dirname "$0")/x_window.sh"
# A game asked to end (SIGTERM) asks "quit?" first and waits: a failure leaves it to finish.
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
pid=""
# Killed, not asked to end: a polite end would make the game ask "quit?" and wait. A box that
# is open runs in a child process of the game's: it goes too.
finish() {
  if [ -n "$pid" ]; then pkill -KILL -P "$pid" 2>/dev/null; kill -KILL "$pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

# The game runs in a folder of its own: it reads img/ and stages/ there, and writes Twell.ini
# and sav/.
ln -s "$folder/img" "$work/img"
ln -s "$folder/stages" "$work/stages"
(cd "$work" && exec "$program") &
pid=$!
find_window "Tiltwell."

read -r x y w h < <(geometry)
echo "client at $x,$y size ${w}x$h"
[ "$w" = 640 ] && [ "$h" = 480 ] || fail "client area is ${w}x$h"
expected=$(printf '[Twell]\r\nwindowed = 1\r\nDispFPS = 0\r\nDispVersion = 0\r\nExecMode = 0\r\nFrameSkip = 0\r\nPlayStageNumber = 0\r\nStagesDir = stages\r\nStages0 = std.ini\r\nSaveFileDir = sav\r\n' | md5sum)
[ "$(md5sum < "$work/Twell.ini")" = "$expected" ] || fail "Twell.ini is not the default text"

shot() { import -window root -crop "${w}x$h+$x+$y" +repage "$shots/$1"; }
differs() { compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# A key held for a while: the game reads the keyboard once a frame.
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

shot tiltwell-title.png
off=$(differs "$shots/tiltwell-title.png" "$folder/img/title.png")
# The picture is stretched to a power-of-two texture and back: its edges soften a little.
echo "title pixels that differ from img/title.png: $off"
[ "${off%%.*}" -lt 15000 ] || fail "the title picture is not shown"

hold Return 0.1
sleep 0.3
shot tiltwell-fade.png
fade=$(convert "$shots/tiltwell-fade.png" -format '%[fx:mean]' info:)
title=$(convert "$shots/tiltwell-title.png" -format '%[fx:mean]' info:)
echo "mean brightness: title $title, fading $fade"
awk -v a="$fade" -v b="$title" 'BEGIN { exit !(a < b * 0.8) }' || fail "no fade to be seen"

sleep 2.2
shot tiltwell-stage.png
stage_title=$(xwininfo -root -tree | grep -o '"Tiltwell\. ~ [^"]*"' | head -n 1)
echo "window title in play: $stage_title"
[ -n "$stage_title" ] || fail "the window's title does not name the stage"
hold Right 0.8
sleep 0.3
shot tiltwell-rolled.png
moved=$(differs "$shots/tiltwell-stage.png" "$shots/tiltwell-rolled.png")
echo "pixels changed by rolling right: $moved"
[ "${moved%%.*}" -gt 2000 ] || fail "the view did not follow the ball"

# The window manager's close (Alt+F4 under openbox) asks; Esc in the box answers No.
xdotool key alt+F4
find_box "確認" || fail "closing the window did not ask"
sleep 0.3
import -window root "$shots/tiltwell-close-box.png"
answer_box Escape || fail "the box stayed"
kill -0 "$pid" 2>/dev/null || fail "No ended the game"

# The game takes keys again once it has seen the box's process end; the window manager may
# take a moment to give the window back the focus, so Esc is given again while it runs.
sleep 1.5
for _ in 1 2 3; do
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 0.3
  hold Escape 0.15
  for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null || break
done
wait_exit
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
