#include "assets/vexilo/mascot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/vexilo/flag_style.h"

namespace assets::vexilo {
namespace {

constexpr uint32_t kShell = 0xFFFFFFFF, kShellShade = 0xFFDCDAF0;
constexpr uint32_t kAccent = 0xFF8A63E8, kAccentShade = 0xFF6240C0;
constexpr uint32_t kScreen = 0xFF1F2A4E, kCheek = 0xFFFF9DB5;
constexpr float kLine = 1.8f;  // outline width, in figure pixels

// The chest screen's frame and glass; what it shows is drawn on top.
void DrawScreen(platform::Image& image, const Place& at) {
  Point a = at({191, 156}), b = at({221, 186});
  Shape glass = RoundedRect(std::min(a.x, b.x), a.y, std::max(a.x, b.x), b.y, at(7));
  Outlined(image, glass, VerticalGradient(a.y, 0xFF2E3C6A, b.y, kScreen), at(kLine));
  // The glass catches the light along its top.
  Shape shine = Intersection(glass, Ellipse(at({200, 158}), at(14), at(6)));
  Fill(image, shine, 0x30FFFFFF);
}

void DrawLeg(platform::Image& image, const Place& at) {
  Outlined(image, Segment(at({194, 218}), at({192, 238}), at(6)), Solid(kShellShade), at(kLine));
  Point foot = at({189, 243});
  Outlined(image, Ellipse(foot, at(13), at(7)), VerticalGradient(foot.y - at(7), kAccent, foot.y + at(7), kAccentShade), at(kLine));
}

void DrawHead(platform::Image& image, const Place& at) {
  // Antenna first: its stalk goes behind the head.
  Outlined(image, Segment(at({206, 92}), at({206, 80}), at(2)), Solid(kShellShade), at(kLine));
  Outlined(image, Circle(at({206, 77}), at(5.5f)), Solid(StyleOf(3).cloth), at(kLine));
  for (Place side : {at, at.Mirrored()})
    Outlined(image, Ellipse(side({177, 120}), side(5), side(8)), Solid(kAccent), side(kLine));
  Point c = at({206, 118});
  Shape head = Ellipse(c, at(30), at(28));
  Outlined(image, head, VerticalGradient(c.y - at(10), kShell, c.y + at(28), kShellShade), at(kLine));
  // The face plate: a soft tinted visor the eyes sit on.
  Fill(image, Ellipse(at({206, 121}), at(22), at(17)), 0xFFEFF3FF);
  for (Place side : {at, at.Mirrored()}) {
    Fill(image, Ellipse(side({196, 117}), side(4.6f), side(6.6f)), kInk);
    Fill(image, Circle(side({197.6f, 114.6f}), side(1.8f)), 0xFFFFFFFF);
    Fill(image, Ellipse(side({187, 127}), side(4.5f), side(2.8f)), kCheek);
  }
  std::vector<Point> smile;
  for (int i = 0; i <= 12; ++i) {
    float t = kPi * (0.15f + 0.7f * i / 12);
    smile.push_back(at({206 - 7 * std::cos(t), 126 + 4.5f * std::sin(t)}));
  }
  Fill(image, Polyline(smile, at(1.3f)), kInk);
}

void DrawBody(platform::Image& image, const Place& at) {
  Point a = at({172, 143}), b = at({240, 226});
  float left = std::min(a.x, b.x), right = std::max(a.x, b.x);
  Outlined(image, RoundedRect(left, a.y, right, b.y, at(24)), VerticalGradient(a.y, kShell, b.y, kShellShade), at(kLine));
  // A belt of the accent colour ties the body to the feet and joints.
  Shape belt = Intersection(RoundedRect(left, a.y, right, b.y, at(24)), RoundedRect(left - 2, at({0, 197}).y, right + 2, at({0, 205}).y, 0));
  Fill(image, belt, kAccent);
  Point buckle = at({206, 201});
  Outlined(image, RoundedRect(buckle.x - at(6), buckle.y - at(5), buckle.x + at(6), buckle.y + at(5), at(2)), Solid(StyleOf(3).cloth), at(1.2f));
  DrawScreen(image, at);
  // Four small lights on the screen, one in each flag's colour, in the flags' places.
  const Point lights[4] = {{200, 165}, {212, 165}, {200, 177}, {212, 177}};
  for (int flag = 1; flag <= 4; ++flag) {
    Point p = at(lights[flag - 1]);
    Fill(image, Circle(p, at(4.5f)), MixColor(StyleOf(flag).cloth, 0xFF1F2A4E, 0.55f));
    Fill(image, Circle(p, at(3)), StyleOf(flag).cloth);
    Fill(image, Circle({p.x - at(1), p.y - at(1)}, at(1)), 0xC0FFFFFF);
  }
  // Round joints where the arms meet the body.
  for (Place side : {at, at.Mirrored()})
    for (Point joint : {Point{176, 161}, Point{178, 212}})
      Outlined(image, Circle(side(joint), side(7.5f)), VerticalGradient(side(joint).y - side(7), kAccent, side(joint).y + side(7), kAccentShade), side(kLine));
}

}  // namespace

void DrawMascot(platform::Image& image, const Place& place) {
  DrawLeg(image, place);
  DrawLeg(image, place.Mirrored());
  DrawBody(image, place);
  DrawHead(image, place);
}

void DrawChestHeart(platform::Image& image, const Place& place) {
  DrawScreen(image, place);
  Shape heart = Heart(place({206, 171}), place(23));
  Fill(image, Grown(heart, place(1.5f)), 0xFFFFD1DF);
  Fill(image, heart, VerticalGradient(place({0, 161}).y, 0xFFFF6F9A, place({0, 183}).y, 0xFFE0245E));
  Fill(image, Ellipse(place({200, 166}), place(3.2f), place(2.2f)), 0xD0FFFFFF);
  // Two sparkles beside the heart.
  for (Point s : {Point{194, 160}, Point{218, 182}}) {
    Point p = place(s);
    float r = place(2.6f), w = place(0.7f);
    Fill(image, Polygon({{p.x, p.y - r}, {p.x + w, p.y - w}, {p.x + r, p.y}, {p.x + w, p.y + w}, {p.x, p.y + r}, {p.x - w, p.y + w}, {p.x - r, p.y}, {p.x - w, p.y - w}}), 0xFFFFF4B0);
  }
}

}  // namespace assets::vexilo
