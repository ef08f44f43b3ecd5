#include "assets/vexilo/raster_ops.h"

#include "platform/blit.h"

namespace assets::vexilo {

void DrawSprite(platform::Image& target, const platform::Image& sheet) {
  int half = sheet.width / 2;
  platform::Blit(target, 0, 0, half, sheet.height, sheet, half, 0, platform::RasterOp::And);
  platform::Blit(target, 0, 0, half, sheet.height, sheet, 0, 0, platform::RasterOp::Or);
}

platform::Image Crop(const platform::Image& source, int x, int y, int w, int h) {
  platform::Image out(w, h, 0xFF000000);
  platform::Blit(out, 0, 0, w, h, source, x, y, platform::RasterOp::Copy);
  return out;
}

}  // namespace assets::vexilo
