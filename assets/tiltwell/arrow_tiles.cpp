#include "assets/tiltwell/arrow_tiles.h"

#include <cmath>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/common/glow.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/relief.h"

namespace assets::tiltwell {
namespace {

constexpr float kCentre = kCell / 2.0f;

// A chevron pointing along (cos, sin), its tip `tip` pixels from the cell's centre. Its arms
// meet at less than a right angle, so a diagonal one never looks like a corner.
Shape Chevron(float cosine, float sine, float tip) {
  auto at = [=](float along, float across) {
    return Point{kCentre + along * cosine - across * sine, kCentre + along * sine + across * cosine};
  };
  return Polyline({at(tip - 8, -4.6f), at(tip, 0), at(tip - 8, 4.6f)}, 2.1f);
}

}  // namespace

platform::Image ArrowTile(int direction) {
  platform::Image cell = FloorTile(Floor::Stone);
  Shape pad = RoundedRect(3.5f, 3.5f, 28.5f, 28.5f, 5);
  Fill(cell, Grown(pad, 1.6f), 0xFF1C1A18);
  Fill(cell, Grown(pad, 0.9f), 0xFFE88A1C);
  FillRaised(cell, pad, VerticalGradient(4, 0xFF3A3E48, 28, 0xFF23262D), {Profile::Bevel, 1.5f, -0.8f, 20, 0.2f});

  const float angle = direction * kPi / 4;
  const float cosine = std::cos(angle), sine = std::sin(angle);
  const Shape back = Chevron(cosine, sine, 2.5f), front = Chevron(cosine, sine, 10.5f);
  // A warm glow under the chevrons, as if the pad were live.
  platform::Image mask(kCell, kCell, 0x00FFFFFF);
  Fill(mask, back, 0xFFFFFFFF);
  Fill(mask, front, 0xFFFFFFFF);
  const int margin = 4;
  platform::Image glow = BlurredMask(mask, 4, margin);
  Fill(cell, pad, [&](float x, float y) {
    int gx = int(x) + margin, gy = int(y) + margin;
    return WithAlpha(0xFFFF9A1E, 0.75f * float(glow.at(gx, gy) >> 24) / 255.0f);
  });
  // Along the arrow the light rises from amber at the back to pale yellow at the tip.
  auto bright = [=](float x, float y) {
    float along = (x - kCentre) * cosine + (y - kCentre) * sine;
    return MixColor(0xFFFF9E1A, 0xFFFFF3A0, std::fmin(std::fmax((along + 8) / 18, 0.0f), 1.0f));
  };
  FillOutlined(cell, back, [&](float x, float y) { return Scaled(bright(x, y), 0.85f); }, 0.9f, 0xFF3A1A04);
  FillOutlined(cell, front, bright, 0.9f, 0xFF3A1A04);
  return cell;
}

}  // namespace assets::tiltwell
