#include "assets/quenmark/magic_stone.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/craft_outline.h"
#include "assets/quenmark/metal_shading.h"
#include "assets/quenmark/radial_paint.h"

namespace assets::quenmark {
namespace {

constexpr uint32_t kEmerald = 0xFF1ABF84;
constexpr uint32_t kOutline = 0xFF03261B;

// The gem's outline and its flat top, clockwise from the top point.
const std::vector<Point> kOuter = {{64, 12}, {89, 38}, {89, 84}, {64, 116}, {39, 84}, {39, 38}};
const std::vector<Point> kTable = {{64, 32}, {76, 46}, {76, 76}, {64, 94}, {52, 76}, {52, 46}};

void DrawSparkle(platform::Image& out, const CraftCanvas& c, Point at, float reach) {
  const Point p = c.P(at.x, at.y);
  Fill(out, Circle(p, c.L(reach * 0.5f)), [=](float x, float y) {
    float r = std::sqrt((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y)) / c.L(reach * 0.5f);
    return WithAlpha(0xFFFFFFFF, 0.8f * (1 - r));
  });
  Fill(out, Ellipse(p, c.L(reach), c.L(1.1f)), 0xF0FFFFFF);
  Fill(out, Ellipse(p, c.L(1.1f), c.L(reach)), 0xF0FFFFFF);
}

}  // namespace

platform::Image RenderMagicStone(int size) {
  platform::Image out(size, size, 0);
  const CraftCanvas c{size / kDesignSize};
  // The halo: fades to nothing before the square's edge.
  const Point middle = c.P(64, 64);
  const float haloRadius = c.L(60);
  Fill(out, Circle(middle, haloRadius), [=](float x, float y) {
    float r = std::sqrt((x - middle.x) * (x - middle.x) + (y - middle.y) * (y - middle.y)) / haloRadius;
    return WithAlpha(0xFF40FFB0, 0.5f * std::pow(1 - SmoothStep(0.2f, 1.0f, r), 2.0f));
  });
  std::vector<Point> outer, table;
  for (const Point& p : kOuter) outer.push_back(c.P(p.x, p.y));
  for (const Point& p : kTable) table.push_back(c.P(p.x, p.y));
  Fill(out, Grown(Polygon(outer), c.L(2.2f)), kOutline);
  // Each facet between the outline and the table is lit by the way it faces.
  for (size_t i = 0; i < outer.size(); ++i) {
    size_t j = (i + 1) % outer.size();
    float mx = (outer[i].x + outer[j].x) / 2 - middle.x, my = (outer[i].y + outer[j].y) / 2 - middle.y;
    float length = std::sqrt(mx * mx + my * my);
    float facing = Facing(mx / length, my / length);
    uint32_t shade = facing > 0 ? MixColor(kEmerald, 0xFFB8FFE4, 0.7f * facing) : Scaled(kEmerald, 1 + 0.6f * facing);
    Fill(out, Polygon({outer[i], outer[j], table[j], table[i]}), shade);
  }
  // The table: bright where the light falls, deeper at the far corner.
  Fill(out, Polygon(table), [=](float x, float y) {
    float t = std::clamp(((x - c.L(52)) + (y - c.L(32))) / c.L(86), 0.0f, 1.0f);
    return MixColor(0xFF7CF6C8, 0xFF0C7A58, t);
  });
  // Thin light edges between the facets.
  for (size_t i = 0; i < outer.size(); ++i)
    Fill(out, Segment(outer[i], table[i], c.L(0.6f)), 0x90D8FFF0);
  Fill(out, Polyline({table[0], table[1], table[2], table[3], table[4], table[5], table[0]}, c.L(0.6f)), 0x90D8FFF0);
  DrawSparkle(out, c, {55, 42}, 10);
  return out;
}

}  // namespace assets::quenmark
