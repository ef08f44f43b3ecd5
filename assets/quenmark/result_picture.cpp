#include "assets/quenmark/result_picture.h"

#include "assets/common/canvas.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/house_style.h"
#include "assets/quenmark/lettering.h"
#include "assets/quenmark/world_square.h"

namespace assets::quenmark {
namespace {

// Where the game writes the score: nine characters on 12-unit squares, 8.25 apart.
constexpr float kScoreX = -20, kScoreY = 0, kScoreStep = 8.25f, kScoreCell = 12;
constexpr int kScoreDigits = 9;

void DrawPlate(platform::Image& out, const WorldSquare& square) {
  const Point a = square.ToPixel(-138, -114), b = square.ToPixel(138, 74);
  const float radius = square.Pixels(10);
  Fill(out, RoundedRect(a.x, a.y, b.x, b.y, radius), VerticalGradient(a.y, 0xC0141838, b.y, 0xC8080A1C));
  const float line = square.Pixels(0.8f);
  const Shape rim = Difference(RoundedRect(a.x, a.y, b.x, b.y, radius),
                               RoundedRect(a.x + line, a.y + line, b.x - line, b.y - line, radius - line));
  Fill(out, rim, VerticalGradient(a.y, kGoldLight, b.y, kGoldDeep));
}

void DrawScoreWell(platform::Image& out, const WorldSquare& square) {
  const float half = kScoreCell / 2;
  const Point a = square.ToPixel(kScoreX - half - 3, kScoreY - 10);
  const Point b = square.ToPixel(kScoreX + kScoreStep * (kScoreDigits - 1) + half + 3, kScoreY + 10);
  const float radius = square.Pixels(3);
  Fill(out, RoundedRect(a.x - 2, a.y - 2, b.x + 2, b.y + 3, radius), 0x60FFE0A0);
  Fill(out, RoundedRect(a.x, a.y, b.x, b.y, radius), VerticalGradient(a.y, 0xF002030A, b.y, 0xF00C0E22));
}

}  // namespace

bool RenderResultPicture(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  const WorldSquare square{0, 30, 320, size};
  DrawPlate(out, square);

  TextLine line;
  TextLook name = LabelLook(square.Pixels(7));
  if (!SetLine(name, "Quivane", line)) return false;
  DrawCentred(out, line, name, square.ToPixel(0, -98));
  TextLook heading = DisplayLook(square.Pixels(22));
  if (!FitLine(heading, "Result", square.Pixels(200), square.Pixels(34), line)) return false;
  DrawCentred(out, line, heading, square.ToPixel(0, -74));
  DrawRule(out, square.ToPixel(-8, -50), square.ToPixel(-110, -50), square.Pixels(0.8f));
  DrawRule(out, square.ToPixel(8, -50), square.ToPixel(110, -50), square.Pixels(0.8f));

  DrawScoreWell(out, square);
  TextLook label = LabelLook(square.Pixels(7));
  if (!SetLine(label, "Score", line)) return false;
  const float labelRight = square.PixelX(kScoreX - kScoreCell / 2 - 8);
  DrawOnBaseline(out, line, label, labelRight - float(line.ink.right - line.ink.left), square.PixelY(kScoreY + 3.5f));

  TextLook press = LabelLook(square.Pixels(8));
  press.top = 0xFFFFFFFF;
  press.bottom = 0xFFD8DCF0;
  if (!SetLine(press, "Press Enter", line)) return false;
  DrawCentred(out, line, press, square.ToPixel(0, 46));
  return true;
}

}  // namespace assets::quenmark
