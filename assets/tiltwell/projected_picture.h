#pragma once
#include "assets/common/canvas.h"
#include "platform/image.h"

// A flat picture drawn in perspective onto any four-cornered area, as a plane seen at an angle.
namespace assets::tiltwell {

// `corners`: where the picture's top-left, top-right, bottom-right and bottom-left corners
// land. Edges are smoothed; the picture's alpha is kept.
void DrawProjected(platform::Image& target, const platform::Image& flat, const Point corners[4]);

}  // namespace assets::tiltwell
