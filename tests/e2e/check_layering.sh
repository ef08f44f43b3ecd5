#!/bin/bash
# Game code reaches SDL, OpenGL and assimp only through the platform layer.
root="$1"
hits=$(grep -rnE '#include *[<"](SDL|GL/|epoxy|EGL|assimp|iconv)' \
  "$root/pelbrix" "$root/tiltwell" "$root/quenmark" "$root/vexilo" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "game code includes a library header that belongs to platform/:"
  echo "$hits"
  exit 1
fi
echo "game code uses only the platform layer"
