#!/bin/bash
# The layering check against small trees of its own: what it must refuse and what it must let by.
# Usage: check_layering_test.sh <path of check_layering.sh>
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tree/pelbrix/game" "$tree/vexilo"
echo '#include "platform/sdl/sdl_host.h"' > "$tree/pelbrix/main.cpp"
echo '#include "platform/host.h"' > "$tree/pelbrix/game/pelbrix.cpp"
echo '#include "platform/sdl/sdl_host.h"' > "$tree/vexilo/main.cpp"
"$check" "$tree" >/dev/null || fail "a main.cpp that names its backend was refused"

for header in '"platform/headless/headless_host.h"' '"platform/gl/gl_context.h"' \
              '"platform/sdl/sdl_window.h"' '<SDL.h>' '<epoxy/gl.h>' '<assimp/scene.h>'; do
  echo "#include $header" > "$tree/pelbrix/game/scene.cpp"
  "$check" "$tree" >/dev/null && fail "game code including $header was let by"
done
echo '#include "platform/sdl/sdl_host.h"' > "$tree/pelbrix/game/main.cpp"
"$check" "$tree" >/dev/null && fail "a main.cpp below the program's folder was let by"
echo "PASS"
