#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "Center.dds": shown on the ship's centre while it moves slowly, to show where it can be hit:
// a white dot in a dark rim inside a thin bright ring, transparent elsewhere.
platform::Image RenderHitMarker(int size);

}  // namespace assets::quenmark
