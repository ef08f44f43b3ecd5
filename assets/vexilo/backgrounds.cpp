#include "assets/vexilo/backgrounds.h"

#include <cmath>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/vexilo/flag_style.h"
#include "assets/vexilo/flags.h"
#include "assets/vexilo/fonts.h"
#include "assets/vexilo/mascot.h"
#include "assets/vexilo/scenery.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

// A frosted panel: a translucent white plate with a crisp white rim.
void DrawPanel(platform::Image& image, float left, float top, float right, float bottom) {
  Fill(image, RoundedRect(left + 1, top + 2, right + 1, bottom + 2, 12), 0x28203A70);
  Shape panel = RoundedRect(left, top, right, bottom, 12);
  Fill(image, Grown(panel, 1.5f), 0xE0FFFFFF);
  Fill(image, panel, 0x70FFFFFF);
}

// Where an instruction picture or a countdown block may appear: a faint recess, so the
// player sees the places before anything fills them.
void DrawWell(platform::Image& image, float left, float top, float size, float radius, uint32_t color) {
  Shape well = RoundedRect(left, top, left + size, top + size, radius);
  Fill(image, well, color);
  Fill(image, Difference(well, RoundedRect(left, top + 1.5f, left + size, top + size + 1.5f, radius)), 0x30203A70);
}

void DrawInstructionColumn(platform::Image& image) {
  DrawPanel(image, 6, 7, 68, 237);
  for (int flag = 1; flag <= 4; ++flag) DrawWell(image, kSlotX, SlotY(flag), kSlotSize, 9, 0x50FFFFFF);
}

void DrawCountdownColumn(platform::Image& image) {
  DrawPanel(image, 342, 8, 394, 242);
  // The trough is opaque, so a block looks the same wherever it is copied.
  Fill(image, RoundedRect(kTimeX - 2, TimeBlockY(4) - 2, kTimeX + kTimeCell + 2, TimeBlockY(0) + kTimeCell + 2, 9),
       0xFF5C77B8);
  for (int i = 0; i <= 4; ++i) DrawWell(image, kTimeX + 2, TimeBlockY(i) + 2, kTimeCell - 4, 8, 0xFF6C88C8);
}

// The plate the digits are ANDed onto: pure white wherever a digit cell lands.
void DrawScorePlate(platform::Image& image) {
  float left = kLivesX - 6, right = kOnesX + kDigitCell + 6, bottom = kDigitY + kDigitCell + 5;
  Fill(image, RoundedRect(left + 1, -20, right + 1, bottom + 3, 14), 0x30203A70);
  Shape plate = RoundedRect(left, -20, right, bottom, 14);
  Fill(image, Grown(plate, 2), 0xFF9FC4EE);
  Fill(image, plate, 0xFFFFFFFF);
}

// A garland of small pennants in the four flags' colours across the top of the title.
void DrawBunting(platform::Image& image) {
  auto line = [](float x) { return 3 + 24 * (1 - std::pow((x - 200) / 210, 2.0f)); };
  std::vector<Point> cord;
  for (float x = -10; x <= 410; x += 10) cord.push_back({x, line(x)});
  Fill(image, Polyline(cord, 0.9f), kInk);
  int k = 0;
  for (float x = 8; x < 400; x += 24, ++k) {
    Point a{x - 8, line(x - 8)}, b{x + 8, line(x + 8)}, tip{x, line(x) + 17};
    Shape pennant = Polygon({a, b, tip});
    Fill(image, Grown(pennant, 1.2f), kInk);
    Fill(image, pennant, StyleOf(k % 4 + 1).cloth);
  }
}

}  // namespace

platform::Image DrawPlayBackground() {
  platform::Image image(kScreenWidth, kScreenHeight, 0xFFFFFFFF);
  DrawScenery(image);
  DrawStage(image, Place{});
  DrawInstructionColumn(image);
  DrawCountdownColumn(image);
  DrawScorePlate(image);
  return image;
}

bool DrawTitleBackground(platform::Image& out) {
  out = platform::Image(kScreenWidth, kScreenHeight, 0xFFFFFFFF);
  DrawScenery(out);
  DrawBunting(out);
  const Place figure{51.7f, 45, 0.72f};
  DrawStage(out, figure);
  DrawFlag(out, 2, false, figure);
  DrawFlag(out, 3, false, figure);
  DrawFlag(out, 1, true, figure);
  DrawFlag(out, 4, true, figure);
  DrawMascot(out, figure);
  // The title: thick ink rim, a white rim inside it, warm letters with a drop shadow.
  platform::Image body, rim, halo;
  if (!RenderTextMask(kBoldFont, 54, "Vexilo", 0, body) || !RenderTextMask(kBoldFont, 54, "Vexilo", 3, rim) ||
      !RenderTextMask(kBoldFont, 54, "Vexilo", 6, halo))
    return false;
  InkBox ink = InkBounds(halo);
  float left = 200 - (ink.left + ink.right) / 2.0f, top = 34 - (ink.top + ink.bottom) / 2.0f;
  FillMask(out, halo, left + 2, top + 3, Solid(0x50203A70));
  FillMask(out, halo, left, top, Solid(kInk));
  FillMask(out, rim, left + 3, top + 3, Solid(0xFFFFFFFF));
  FillMask(out, body, left + 6, top + 6, VerticalGradient(top + 14, 0xFFFFB938, top + 52, 0xFFFF6A3D));
  // The prompt on a pill at the bottom.
  Shape pill = RoundedRect(130, 232, 270, 252, 10);
  Fill(out, Grown(pill, 2), kInk);
  Fill(out, pill, VerticalGradient(232, 0xFF8A63E8, 252, 0xFF6240C0));
  return DrawTextCentred(out, {kBoldFont, 13, 0xFFFFFFFF, 0, 0}, "PRESS ENTER", {200, 242});
}

}  // namespace assets::vexilo
