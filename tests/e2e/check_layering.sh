#!/bin/bash
# Game code reaches the machine only through the platform layer's interfaces: it includes no
# SDL, OpenGL, EGL, assimp or iconv header, and no header of a backend (platform/sdl/,
# platform/gl/, platform/headless/). Only each program's main.cpp names the backend it runs on.
# Usage: check_layering.sh <source root>
root="$1"
games=()
for game in pelbrix tiltwell quenmark vexilo; do
  [ -d "$root/$game" ] && games+=("$root/$game")
done
[ ${#games[@]} -gt 0 ] || { echo "no game folders under $root"; exit 2; }

libraries=$(grep -rnE '#include *[<"](SDL|GL/|epoxy|EGL|assimp|iconv)' "${games[@]}")
backends=$(grep -rnE '#include *[<"]platform/(sdl|gl|headless)/' "${games[@]}" |
  grep -vE "^$root/(pelbrix|tiltwell|quenmark|vexilo)/main\.cpp:")
if [ -n "$libraries$backends" ]; then
  echo "game code includes what belongs to platform/:"
  [ -n "$libraries" ] && echo "$libraries"
  [ -n "$backends" ] && echo "$backends"
  exit 1
fi
echo "game code uses only the platform layer"
