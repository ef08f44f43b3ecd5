#include "assets/vexilo/bonus_picture.h"

#include "assets/vexilo/mascot.h"
#include "assets/vexilo/raster_ops.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {

platform::Image DrawBonusPicture(const platform::Image& background, const platform::Image& mascotSprite) {
  platform::Image screen = background;
  DrawSprite(screen, mascotSprite);
  DrawChestHeart(screen, Place{});
  return Crop(screen, kBonusX, kBonusY, kBonusSize, kBonusSize);
}

}  // namespace assets::vexilo
