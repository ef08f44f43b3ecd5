#include "assets/vexilo/sprite_sheets.h"

#include "assets/vexilo/flags.h"
#include "assets/vexilo/mascot.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {

platform::Image SpriteSheet(const platform::Image& layer) {
  platform::Image sheet(layer.width * 2, layer.height, 0xFF000000);
  for (int y = 0; y < layer.height; ++y)
    for (int x = 0; x < layer.width; ++x) {
      uint32_t p = layer.at(x, y);
      bool inside = (p >> 24) >= 128;
      sheet.at(x, y) = inside ? (p | 0xFF000000) : 0xFF000000;
      sheet.at(layer.width + x, y) = inside ? 0xFF000000 : 0xFFFFFFFF;
    }
  return sheet;
}

platform::Image MascotSprite() {
  platform::Image layer(kScreenWidth, kScreenHeight, 0);
  DrawMascot(layer, Place{});
  return SpriteSheet(layer);
}

platform::Image FlagSprite(int flag, bool raised) {
  platform::Image layer(kScreenWidth, kScreenHeight, 0);
  DrawFlag(layer, flag, raised, Place{});
  return SpriteSheet(layer);
}

}  // namespace assets::vexilo
