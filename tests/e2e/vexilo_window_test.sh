#!/bin/bash
# Vexilo in a real window on the X server of $DISPLAY (scripts/test starts Xvfb and openbox): the
# window, then a short game played with xdotool: start, a few right answers found by looking at
# the screen, three misses, the score box, the title again. Screenshots go to $TEST_SCREENSHOTS.
# Usage: vexilo_window_test.sh <path of Vexilo>
set -u
program=$(readlink -f "$1")
pictures=$(dirname "$program")/image
source "$(dirname "$0")/x_window.sh"
work=$(mktemp -d)
pid=""
finish() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap finish EXIT

# The game runs in a folder of its own: it reads image// there and writes key.ini.
ln -s "$pictures" "$work/image"
(cd "$work" && exec "$program") &
pid=$!
find_window Vexilo

read -r x y w h < <(geometry)
read -r sw sh < <(screen_size)
echo "client at $x,$y size ${w}x$h on a ${sw}x$sh screen"
[ "$w" = 400 ] && [ "$h" = 256 ] || fail "client area is ${w}x$h"
cx=$(( x + w / 2 - sw / 2 )); cy=$(( y + h / 2 - sh / 2 ))
[ "${cx#-}" -le 40 ] && [ "${cy#-}" -le 40 ] || fail "window is not centred (off by $cx,$cy)"
[ -f "$work/key.ini" ] || fail "key.ini was not created"

shot() { import -window root -crop "${w}x$h+$x+$y" +repage "$shots/$1"; }
mean() { convert "$1" -crop "$2" -format '%[fx:mean]' info:; }

# The flag asked for: the slot of the left column that no longer looks like the background.
instruction() {
  import -window root -crop "${w}x$h+$x+$y" +repage "$work/now.png"
  local best=-1 most=0 k
  for k in 0 1 2 3; do
    local area="50x50+12+$(( 13 + 56 * k ))"
    local d
    d=$(awk -v a="$(mean "$work/now.png" "$area")" -v b="$(mean "$pictures/Flagback.bmp" "$area")" \
        'BEGIN { d = a - b; if (d < 0) d = -d; print d }')
    if awk -v d="$d" -v m="$most" 'BEGIN { exit !(d > m) }'; then most=$d; best=$k; fi
  done
  echo "$best"
}
keys=(i o j k)

shot vexilo-title.png
xdotool key Return
sleep 0.6
shot vexilo-instruction.png
for round in 1 2 3; do
  flag=$(instruction)
  [ "$flag" -ge 0 ] || fail "no instruction picture to be seen"
  echo "round $round: flag $(( flag + 1 )) asked for"
  xdotool key "${keys[$flag]}"
  sleep 0.15
  [ "$round" = 1 ] && shot vexilo-answered.png
  sleep 0.6
done

# Three misses: a key of a flag that is not asked for.
for miss in 1 2 3; do
  flag=$(instruction)
  wrong=$(( (flag + 1) % 4 ))
  echo "miss $miss: flag $(( wrong + 1 )) while flag $(( flag + 1 )) is asked for"
  xdotool key "${keys[$wrong]}"
  sleep 0.3
  [ "$miss" = 1 ] && shot vexilo-miss.png
  # The miss's pause (100 ticks) and the empty one after it (15), and some time to spare.
  sleep 2.2
done

# xdotool cannot match a UTF-8 title; xwininfo prints it as it is.
score_box() { xwininfo -root -tree | awk '/"おわり"/ { print $1; exit }'; }
box=""
for _ in $(seq 1 50); do
  box=$(score_box)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no score box appeared after three misses"
sleep 0.3
import -window root "$shots/vexilo-scorebox.png"
# Behind the box the window shows the title, not the last game frame.
shot vexilo-behind-scorebox.png
behind=$(compare -metric AE -fuzz 10% "$shots/vexilo-behind-scorebox.png" "$pictures/Titleback.bmp" null: 2>&1)
echo "pixels behind the box that differ from the title: $behind"
# The box is modal for the window: a click on the window (beside the box) while it is open is
# not taken once it closes; otherwise it would start a new game.
read -r bx by bw bh < <(xwininfo -id "$box" | awk '
  /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
  /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
click_x=$(( x + 8 )); click_y=$(( y + h - 8 ))
if [ "$click_x" -ge "$bx" ] && [ "$click_x" -lt $(( bx + bw )) ] && [ "$click_y" -ge "$by" ] && [ "$click_y" -lt $(( by + bh )) ]; then
  click_x=$(( x + w - 8 ))
fi
xdotool mousemove "$click_x" "$click_y" click 1
sleep 0.3
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Return
sleep 0.6
[ -z "$(score_box)" ] || fail "the score box stayed"
shot vexilo-title-again.png
after=$(compare -metric AE -fuzz 10% "$shots/vexilo-title-again.png" "$pictures/Titleback.bmp" null: 2>&1)
echo "pixels after the box that differ from the title: $after"
[ "${after%%.*}" -lt 2000 ] || fail "a click given to the window while the box was open started a game"

# Closing the window ends the program.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool key alt+F4
wait_exit
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
