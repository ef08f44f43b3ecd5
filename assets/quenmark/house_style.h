#pragma once
#include <cstdint>

#include "assets/common/canvas.h"
#include "assets/quenmark/lettering.h"
#include "platform/image.h"

// The looks the game's lettering and ornaments share across the title, menu, result and side bar.
namespace assets::quenmark {

constexpr uint32_t kGoldLight = 0xFFFFE9A8, kGold = 0xFFF2B440, kGoldDeep = 0xFFB87420;
constexpr uint32_t kInk = 0xFF14040E;  // the dark rim of lettering

// The game's name and menu words: bold, slanted and wide, white into gold, with a dark rim and
// a soft dark shadow; `capPixels` tall capitals.
TextLook DisplayLook(float capPixels);
// Labels and small lines: upright bold in pale gold with a thin dark rim.
TextLook LabelLook(float capPixels);

// A thin gold rule from `from` to `to` (one row), fading out towards `to`, with a small
// diamond at `from`.
void DrawRule(platform::Image& image, Point from, Point to, float thickness);

}  // namespace assets::quenmark
