#pragma once
#include "platform/image.h"

namespace platform {

// How a blit combines source and destination pixels. Only the colour (the low 24 bits) takes
// part; the destination keeps its alpha.
enum class RasterOp {
  Copy,  // source
  And,   // source AND destination: a mask's black cuts a hole, its white leaves the picture
  Or,    // source OR destination: a sprite's colours go into the hole, its black changes nothing
};

// Combines the rectangle (sx, sy, width, height) of source into destination at (dx, dy), both
// clipped to their pictures, like a GDI BitBlt between memory bitmaps.
void Blit(Image& destination, int dx, int dy, int width, int height, const Image& source, int sx,
          int sy, RasterOp op);

}  // namespace platform
