#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// A drawing on a transparent layer turned into the game's masked sprite: the picture on the
// left half, the mask on the right. The game ANDs the mask on and ORs the picture, so the mask
// is pure white where the background shows and pure black under the sprite, and the picture
// is pure black wherever the mask is white. A pixel belongs to the sprite when the layer
// covers it at least half, which keeps the silhouette hard while inner edges stay smooth.
platform::Image SpriteSheet(const platform::Image& layer);

// Screen-sized sprites of the mascot and of flag 1..4 raised or lowered.
platform::Image MascotSprite();
platform::Image FlagSprite(int flag, bool raised);

}  // namespace assets::vexilo
