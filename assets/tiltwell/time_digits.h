#pragma once
#include "platform/image.h"

// "img/time.dds": 256 x 32, transparent but for the lettering. The label "TIME" fills the left
// quarter (x 0..63, drawn at 64 x 32); digit d fills the 16-pixel cell from x = 96 + 16 d (each
// drawn at 16 x 32). Light letters with a dark rim, so they read on any floor.
namespace assets::tiltwell {

constexpr int kTimeWidth = 256, kTimeHeight = 32;
constexpr int kTimeLabelWidth = 64, kTimeDigitsLeft = 96, kTimeDigitWidth = 16;

// False when the font cannot be used.
bool RenderTimeDigits(platform::Image& out);

}  // namespace assets::tiltwell
