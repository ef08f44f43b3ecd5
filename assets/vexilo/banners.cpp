#include "assets/vexilo/banners.h"

#include <string>

#include "assets/common/canvas.h"
#include "assets/vexilo/figure_place.h"
#include "assets/vexilo/fonts.h"
#include "assets/vexilo/raster_ops.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

struct PlateColors {
  uint32_t top, bottom, rim;
};

// A rounded plate with an ink edge, a white rim and a shine across its upper half.
void DrawPlate(platform::Image& image, const PlateColors& colors) {
  const float w = kBannerWidth, h = kBannerHeight;
  Fill(image, RoundedRect(3, 4, w - 1, h - 1, 17), 0x40203A70);
  Shape plate = RoundedRect(2, 2, w - 3, h - 4, 16);
  Fill(image, Grown(plate, 1.5f), kInk);
  Fill(image, plate, 0xFFFFFFFF);
  Shape face = Grown(plate, -2.5f);
  Fill(image, face, VerticalGradient(4, colors.top, h - 6, colors.bottom));
  Fill(image, Difference(face, RoundedRect(2, 5, w - 3, h - 4, 14)), colors.rim);
  Fill(image, Intersection(face, Ellipse({w / 2, 8}, w * 0.56f, 15)), 0x38FFFFFF);
}

bool DrawBanner(const platform::Image& background, const PlateColors& colors, const TextStyle& text,
                const std::string& words, platform::Image& out) {
  out = Crop(background, kBannerX, kBannerY, kBannerWidth, kBannerHeight);
  DrawPlate(out, colors);
  return DrawTextCentred(out, text, words, {kBannerWidth / 2.0f, kBannerHeight / 2.0f - 1});
}

}  // namespace

bool DrawMissBanner(const platform::Image& background, platform::Image& out) {
  return DrawBanner(background, {0xFFFF6B6B, 0xFFD7263D, 0xFFFFB3B3}, {kBoldFont, 30, 0xFFFFFFFF, 3, 0xFF8C1020},
                    "MISS!", out);
}

bool DrawSpeedupBanner(const platform::Image& background, platform::Image& out) {
  return DrawBanner(background, {0xFFFFE45C, 0xFFFF9A1F, 0xFFFFF3B0}, {kCondensedBoldFont, 22, 0xFFFFFFFF, 3, 0xFFB34700},
                    "SPEEDUP", out);
}

}  // namespace assets::vexilo
