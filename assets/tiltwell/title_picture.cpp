#include "assets/tiltwell/title_picture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/common/glow.h"
#include "assets/tiltwell/background.h"
#include "assets/tiltwell/ball_picture.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/fonts.h"
#include "assets/tiltwell/projected_picture.h"
#include "assets/tiltwell/relief.h"
#include "assets/tiltwell/sample_maze.h"
#include "assets/tiltwell/surface_noise.h"

namespace assets::tiltwell {
namespace {

constexpr int kFrame = 18;           // pixels of wooden rim around the maze
constexpr float kThickness = 16;     // of the board, in the board's pixels
constexpr float kBallRadius = 12.5f;  // as on the play screen: a 25-pixel ball on 32-pixel cells

// Where the board stands: turned a little in its own plane, tipped away at the top and to one
// side, seen from a camera kDistance pixels away.
constexpr float kTurn = -0.10f, kTilt = 0.70f, kRoll = 0.16f;
constexpr float kDistance = 760, kFocal = 700;
constexpr Point kBoardCentre{320, 254};

struct Vec3 {
  float x, y, z;  // board pixels: x right, y down, z into the board (away from the viewer)
};

Vec3 Place(Vec3 p) {
  Vec3 turned{p.x * std::cos(kTurn) - p.y * std::sin(kTurn), p.x * std::sin(kTurn) + p.y * std::cos(kTurn), p.z};
  Vec3 tipped{turned.x, turned.y * std::cos(kTilt) + turned.z * std::sin(kTilt),
              -turned.y * std::sin(kTilt) + turned.z * std::cos(kTilt)};
  return {tipped.x * std::cos(kRoll) + tipped.z * std::sin(kRoll), tipped.y,
          -tipped.x * std::sin(kRoll) + tipped.z * std::cos(kRoll)};
}

Point Project(Vec3 board) {
  Vec3 p = Place(board);
  float k = kFocal / (kDistance + p.z);
  return {kBoardCentre.x + p.x * k, kBoardCentre.y + p.y * k};
}

float SignedArea(const std::vector<Point>& p) {
  float sum = 0;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) sum += p[j].x * p[i].y - p[i].x * p[j].y;
  return sum / 2;
}

uint32_t WoodGrain(float x, float y, uint32_t base) {
  float warp = 3 * RepeatingNoise(x * 0.6f, y * 2.5f, 6, 512, 201);
  float grain = std::sin(2 * kPi * (y + warp) / 5.5f);
  return Scaled(base, 0.92f + 0.07f * grain + 0.06f * (Hash01(int(x), int(y), 202) - 0.5f));
}

// The board as if seen straight from above: the maze inside a bevelled wooden rim, the rim's
// shadow falling on the maze's top and left edges.
platform::Image FlatBoard(const platform::Image& sheet) {
  platform::Image maze = DrawMaze(sheet, TitleMaze());
  const int w = maze.width + 2 * kFrame, h = maze.height + 2 * kFrame;
  platform::Image board(w, h, 0x00000000);
  FillRaised(board, RoundedRect(0, 0, float(w), float(h), 10),
             [](float x, float y) { return WoodGrain(x, y, 0xFF9A6638); }, {Profile::Bevel, 6, 0.9f, 20, 0.25f});
  Fill(board, RoundedRect(kFrame - 2.5f, kFrame - 2.5f, w - kFrame + 2.5f, h - kFrame + 2.5f, 3), 0xFF24160C);
  DrawImage(board, maze, kFrame, kFrame);
  for (int y = kFrame; y < h - kFrame; ++y)
    for (int x = kFrame; x < w - kFrame; ++x) {
      float reach = float(std::min(x - kFrame, y - kFrame));
      if (reach < 6) BlendPixel(board, x, y, 0xFF000000, 0.45f * (1 - reach / 6));
    }
  return board;
}

void DrawBoard(platform::Image& out, const platform::Image& sheet) {
  const platform::Image flat = FlatBoard(sheet);
  const float hw = flat.width / 2.0f, hh = flat.height / 2.0f;
  const Vec3 corners[4] = {{-hw, -hh, 0}, {hw, -hh, 0}, {hw, hh, 0}, {-hw, hh, 0}};
  std::vector<Point> top, under;
  for (const Vec3& c : corners) {
    top.push_back(Project(c));
    under.push_back(Project({c.x, c.y, kThickness}));
  }
  // Its shadow on the table, thrown down and to the right.
  platform::Image mask(out.width, out.height, 0x00FFFFFF);
  std::vector<Point> footprint;
  for (Point p : under) footprint.push_back({p.x + 16, p.y + 20});
  Fill(mask, Polygon(footprint), 0xFFFFFFFF);
  platform::Image shadow = BlurredMask(mask, 18, 0);
  FillMask(out, shadow, 0, 0, Solid(0xB0000000));
  // The sides that face the viewer: darker wood, the lower ones darker still.
  const float facing = SignedArea(top);
  for (int i = 0; i < 4; ++i) {
    int j = (i + 1) % 4;
    std::vector<Point> side = {top[size_t(j)], top[size_t(i)], under[size_t(i)], under[size_t(j)]};
    if (SignedArea(side) * facing <= 0) continue;
    float lit = i == 2 ? 0.62f : i == 1 ? 0.48f : 0.7f;
    Fill(out, Polygon(side), [lit](float x, float y) { return Scaled(WoodGrain(y, x, 0xFF8A5A30), lit); });
  }
  DrawProjected(out, flat, top.data());
}

void DrawBallOnBoard(platform::Image& out) {
  // The ball sits on the floor cell in column 5, row 3 of the title's maze.
  const float hw = (12 * kCell + 2 * kFrame) / 2.0f, hh = (8 * kCell + 2 * kFrame) / 2.0f;
  const float bx = -hw + kFrame + 5 * kCell + 16, by = -hh + kFrame + 3 * kCell + 16;
  Point contact = Project({bx + 5, by + 6, 0});
  Point centre = Project({bx, by, -kBallRadius});
  float scale = kFocal / (kDistance + Place({bx, by, -kBallRadius}).z);
  float radius = kBallRadius * scale;
  Fill(out, Ellipse(contact, radius * 1.05f, radius * 0.75f), [&](float x, float y) {
    float u = (x - contact.x) / (radius * 1.05f), v = (y - contact.y) / (radius * 0.75f);
    return WithAlpha(0xFF000000, 0.6f * std::max(0.0f, 1 - (u * u + v * v)));
  });
  const int size = int(std::lround(2 * radius * 4));
  platform::Image ball = platform::ResizeImage(RenderBall(size), int(std::lround(2 * radius)), int(std::lround(2 * radius)));
  DrawImage(out, ball, int(std::lround(centre.x - ball.width / 2.0f)), int(std::lround(centre.y - ball.height / 2.0f)));
}

// The text at the largest size up to `pixelSize` whose rimmed ink fits `maxWidth`.
bool Letter(const char* font, int pixelSize, const std::string& text, int outline, int maxWidth, Lettering& out) {
  return FitLettering(font, pixelSize, 10, text, outline, maxWidth, out);
}

// Draws the lettering centred on `centre` with a soft shadow below it and its body in `fill`.
void DrawLettering(platform::Image& out, const Lettering& l, Point centre, uint32_t rim, const Paint& fill,
                   int shadowRadius) {
  Point origin{centre.x - (l.ink.left + l.ink.right) / 2.0f, centre.y - (l.ink.top + l.ink.bottom) / 2.0f};
  if (shadowRadius > 0) {
    const int margin = shadowRadius * 2;
    platform::Image shadow = BlurredMask(l.rim, shadowRadius, margin);
    FillMask(out, shadow, origin.x - margin + 3, origin.y - margin + 5, Solid(0xC0000000));
  }
  FillMask(out, l.rim, origin.x, origin.y, Solid(rim));
  FillMask(out, l.body, origin.x + l.outline, origin.y + l.outline, fill);
}

bool DrawName(platform::Image& out) {
  Lettering name;
  if (!Letter(kTitleFont, 96, "Tiltwell", 4, 540, name)) return false;
  const Point centre{320, 66};
  const float top = centre.y - (name.ink.bottom - name.ink.top) / 2.0f, height = float(name.ink.bottom - name.ink.top);
  DrawLettering(out, name, centre, 0xFF2A1606, [=](float, float y) {
    // Polished brass: pale at the top, a bright band, deep gold below.
    float t = std::clamp((y - top) / height, 0.0f, 1.0f);
    if (t < 0.45f) return MixColor(0xFFFFF6D2, 0xFFFFD468, t / 0.45f);
    if (t < 0.5f) return MixColor(0xFFFFD468, 0xFFC0801C, (t - 0.45f) / 0.05f);
    return MixColor(0xFFC0801C, 0xFFF0B040, (t - 0.5f) / 0.5f);
  }, 8);
  return true;
}

bool DrawPrompts(platform::Image& out) {
  // A dark band behind the lines at the bottom, so they read over the table.
  Fill(out, RoundedRect(-20, 386, 660, 500, 0), VerticalGradient(386, 0x00000000, 410, 0xA0000000));
  Lettering press, japanese, keys;
  if (!Letter(kBoldFont, 28, "Press Enter", 2, 400, press)) return false;
  if (!Letter(kJapaneseFont, 22, "Enterキーでスタート", 2, 400, japanese)) return false;
  if (!Letter(kPlainFont, 13, "Esc: quit     F10: back to title     Shift+Enter: start from the first stage", 1, 620,
              keys))
    return false;
  DrawLettering(out, press, {320, 410}, 0xFF1A0E04, VerticalGradient(398, 0xFFFFFFFF, 422, 0xFFFFE2A0), 4);
  DrawLettering(out, japanese, {320, 440}, 0xFF1A0E04, Solid(0xFFF2D9A6), 3);
  DrawLettering(out, keys, {320, 467}, 0xFF000000, Solid(0xFFB8AA94), 0);
  return true;
}

}  // namespace

bool RenderTitlePicture(const platform::Image& tileSheet, platform::Image& out) {
  out = RenderTableTop();
  // A warm pool of light on the table under the board.
  Fill(out, Ellipse({320, 250}, 360, 250), [](float x, float y) {
    float u = (x - 320) / 360, v = (y - 250) / 250;
    float d = std::max(0.0f, 1 - (u * u + v * v));
    return WithAlpha(0xFFFFC880, 0.22f * d * d);
  });
  DrawBoard(out, tileSheet);
  DrawBallOnBoard(out);
  if (!DrawName(out) || !DrawPrompts(out)) return false;
  for (uint32_t& p : out.pixels) p |= 0xFF000000;
  return true;
}

}  // namespace assets::tiltwell
