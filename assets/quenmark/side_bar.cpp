#include "assets/quenmark/side_bar.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/quenmark/ascii_sheet.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/house_style.h"
#include "assets/quenmark/lettering.h"
#include "assets/quenmark/side_bar_layout.h"
#include "assets/quenmark/world_square.h"

namespace assets::quenmark {
namespace {

constexpr uint32_t kPanelTop = 0xFF1E2148, kPanelBottom = 0xFF0C0E24;
constexpr uint32_t kBronzeLight = kGoldLight, kBronzeDark = 0xFF7A5420;

struct Box {
  float left, top, right, bottom;  // world units
};

Box RowPlate(const TextRow& row) {
  const float halfCell = row.size / 2;
  return {row.x - halfCell + 1, row.y - halfCell + row.size * kCapTopInCell - 3.5f,
          row.x + row.step * float(row.characters - 1) + halfCell - 1, row.y - halfCell + row.size * kBaselineInCell + 3.5f};
}

void DrawPanel(platform::Image& out, const WorldSquare& bar) {
  const float size = float(out.width);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      uint32_t base = MixColor(kPanelTop, kPanelBottom, float(y) / size);
      // Faint diagonal ribs, lighter in the upper left, for a brushed look.
      float rib = std::fabs(std::fmod(float(x + y), bar.Pixels(5)) / bar.Pixels(5) - 0.5f);
      out.at(x, y) = Scaled(base, 1.0f + 0.08f * SmoothStep(0.35f, 0.5f, rib));
    }
}

void DrawFrame(platform::Image& out, const WorldSquare& bar) {
  const float size = float(out.width), edge = bar.Pixels(4.2f);
  // A bronze rim on every side, its inner edge darkened where it meets the panel.
  const Shape ring =
      Difference(RoundedRect(0, 0, size, size, 0), RoundedRect(edge, edge, size - edge, size - edge, bar.Pixels(2)));
  Fill(out, ring, [=](float x, float y) {
    float inward = std::min({x, y, size - x, size - y}) / edge;  // 0 at the outer edge, 1 at the inner
    uint32_t shade = MixColor(kBronzeLight, kBronzeDark, SmoothStep(0.2f, 1.0f, inward));
    return inward < 0.18f ? Scaled(shade, 0.6f) : shade;
  });
  const float inner = edge + bar.Pixels(2.5f);
  const Shape line = Difference(RoundedRect(inner, inner, size - inner, size - inner, bar.Pixels(2.5f)),
                                RoundedRect(inner + 2, inner + 2, size - inner - 2, size - inner - 2, bar.Pixels(2.5f)));
  Fill(out, line, WithAlpha(kBronzeLight, 0.35f));
}

void DrawPlate(platform::Image& out, const WorldSquare& bar, Box box) {
  const Point a = bar.ToPixel(box.left, box.top), b = bar.ToPixel(box.right, box.bottom);
  const float radius = bar.Pixels(2);
  // Sunk into the panel: a light lip below, a dark inner shadow along the top.
  Fill(out, RoundedRect(a.x - 1, a.y - 1, b.x + 1, b.y + 2, radius), 0x50FFFFFF);
  Fill(out, RoundedRect(a.x, a.y, b.x, b.y, radius), VerticalGradient(a.y, 0xFF04040C, b.y, 0xFF0C0E20));
}

bool DrawLabel(platform::Image& out, const WorldSquare& bar, const TextLook& look, const std::string& text, float baseline) {
  TextLine line;
  if (!SetLine(look, text, line)) return false;
  DrawOnBaseline(out, line, look, bar.PixelX(kLabelLeft), bar.PixelY(baseline));
  return true;
}

void DrawEmblem(platform::Image& out, const WorldSquare& bar, Point centre, float radius) {
  const Point c = bar.ToPixel(centre.x, centre.y);
  const float r = bar.Pixels(radius);
  const uint32_t ink = WithAlpha(kBronzeLight, 0.16f);
  Fill(out, Difference(Circle(c, r), Circle(c, r - 3)), ink);
  Fill(out, Difference(Circle(c, r * 0.8f), Circle(c, r * 0.8f - 2)), ink);
  // An eight-pointed star, its long points on the axes.
  std::vector<Point> star;
  for (int i = 0; i < 16; ++i) {
    float angle = kPi * float(i) / 8 - kPi / 2;
    float reach = i % 4 == 0 ? r * 0.95f : i % 2 == 0 ? r * 0.55f : r * 0.22f;
    star.push_back({c.x + reach * std::cos(angle), c.y + reach * std::sin(angle)});
  }
  Fill(out, Polygon(star), ink);
}

}  // namespace

bool RenderSideBar(int size, platform::Image& out) {
  out = platform::Image(size, size, 0xFF000000);
  const WorldSquare bar{kSideBarX, kSideBarY, kSideBarSide, size};
  DrawPanel(out, bar);
  const float middle = (kLabelLeft + kReadableRight) / 2;
  DrawEmblem(out, bar, {middle, 58}, 26);
  DrawFrame(out, bar);
  for (const TextRow& row : {kHiScoreRow, kScoreRow, kPowerRow}) DrawPlate(out, bar, RowPlate(row));

  const TextLook label = LabelLook(bar.Pixels(5.5f));
  // Each label stands a little above its row: above the plate, or above the lives' gems.
  const float gap = 2.5f;
  const float lifeTop = kLifeRow.y - kLifeRow.size * 0.42f;  // where the gems' points reach
  if (!DrawLabel(out, bar, label, "HiScore", RowPlate(kHiScoreRow).top - gap) ||
      !DrawLabel(out, bar, label, "Score", RowPlate(kScoreRow).top - gap) ||
      !DrawLabel(out, bar, label, "Life", lifeTop - gap) ||
      !DrawLabel(out, bar, label, "Power", RowPlate(kPowerRow).top - gap))
    return false;

  // The game's name, small, at the foot of the bar.
  TextLook name = DisplayLook(bar.Pixels(8));
  name.glowColor = 0x60FF8030;
  TextLine line;
  if (!SetLine(name, "Quivane", line)) return false;
  DrawCentred(out, line, name, bar.ToPixel(middle, 98));
  TextLook version = LabelLook(bar.Pixels(3.2f));
  version.top = version.bottom = 0xFFB8BCD8;
  if (!SetLine(version, "Ver 0.75 F", line)) return false;
  DrawCentred(out, line, version, bar.ToPixel(middle, 110));
  for (uint32_t& p : out.pixels) p |= 0xFF000000u;
  return true;
}

}  // namespace assets::quenmark
