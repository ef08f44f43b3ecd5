#pragma once
#include "platform/image.h"

// "img/title.png", 640 x 480, opaque: the game's name over a wooden maze board tilted on the
// table with the ball on it, the prompt to press Enter (in English and Japanese), and a line of
// the other keys.
namespace assets::tiltwell {

// The board is laid from the tile sheet and the ball drawn as pl.png is. False when a font
// cannot be used.
bool RenderTitlePicture(const platform::Image& tileSheet, platform::Image& out);

}  // namespace assets::tiltwell
