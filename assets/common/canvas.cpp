#include "assets/common/canvas.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

float SegmentDistance(Point p, Point a, Point b) {
  float abx = b.x - a.x, aby = b.y - a.y;
  float lengthSquared = abx * abx + aby * aby;
  float t = lengthSquared > 0 ? ((p.x - a.x) * abx + (p.y - a.y) * aby) / lengthSquared : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return Length(p.x - (a.x + t * abx), p.y - (a.y + t * aby));
}

Shape BoundsOf(const std::vector<Point>& points, float margin) {
  Shape s;
  if (points.empty()) return s;
  s.left = s.right = points[0].x;
  s.top = s.bottom = points[0].y;
  for (const Point& p : points) {
    s.left = std::min(s.left, p.x);
    s.right = std::max(s.right, p.x);
    s.top = std::min(s.top, p.y);
    s.bottom = std::max(s.bottom, p.y);
  }
  s.left -= margin;
  s.top -= margin;
  s.right += margin;
  s.bottom += margin;
  return s;
}

uint32_t Channel(uint32_t argb, int shift) { return (argb >> shift) & 255; }

}  // namespace

Shape Circle(Point c, float radius) {
  return {c.x - radius, c.y - radius, c.x + radius, c.y + radius,
          [c, radius](float x, float y) { return Length(x - c.x, y - c.y) - radius; }};
}

Shape Ellipse(Point c, float rx, float ry) {
  // The implicit function divided by its gradient: close to the true distance near the edge,
  // which is all the coverage needs.
  return {c.x - rx, c.y - ry, c.x + rx, c.y + ry, [c, rx, ry](float x, float y) {
            float u = (x - c.x) / rx, v = (y - c.y) / ry;
            float k = Length(u, v);
            if (k < 1e-4f) return -std::min(rx, ry);
            float gradient = Length(u / rx, v / ry) / k;
            return (k - 1) / gradient;
          }};
}

Shape RoundedRect(float left, float top, float right, float bottom, float radius) {
  float cx = (left + right) / 2, cy = (top + bottom) / 2;
  float hx = (right - left) / 2, hy = (bottom - top) / 2;
  radius = std::min({radius, hx, hy});
  return {left, top, right, bottom, [=](float x, float y) {
            float qx = std::fabs(x - cx) - (hx - radius), qy = std::fabs(y - cy) - (hy - radius);
            float outside = Length(std::max(qx, 0.0f), std::max(qy, 0.0f));
            return outside + std::min(std::max(qx, qy), 0.0f) - radius;
          }};
}

Shape Segment(Point a, Point b, float halfWidth) {
  Shape s = BoundsOf({a, b}, halfWidth);
  s.distance = [a, b, halfWidth](float x, float y) { return SegmentDistance({x, y}, a, b) - halfWidth; };
  return s;
}

Shape Polyline(const std::vector<Point>& points, float halfWidth) {
  Shape s = BoundsOf(points, halfWidth);
  s.distance = [points, halfWidth](float x, float y) {
    float best = 1e9f;
    for (size_t i = 0; i + 1 < points.size(); ++i) best = std::min(best, SegmentDistance({x, y}, points[i], points[i + 1]));
    return best - halfWidth;
  };
  return s;
}

Shape Polygon(const std::vector<Point>& points) {
  Shape s = BoundsOf(points, 0);
  s.distance = [points](float x, float y) {
    float best = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point &a = points[i], &b = points[j];
      best = std::min(best, SegmentDistance({x, y}, a, b));
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside ? -best : best;
  };
  return s;
}

Shape Heart(Point centre, float size) {
  std::vector<Point> points;
  float k = size / 34;
  for (int i = 0; i < 64; ++i) {
    float t = 2 * kPi * i / 64;
    float x = 16 * std::pow(std::sin(t), 3.0f);
    float y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    points.push_back({centre.x + k * x, centre.y - k * (y + 2.5f)});
  }
  return Polygon(points);
}

Shape Grown(const Shape& shape, float by) {
  auto inner = shape.distance;
  return {shape.left - by, shape.top - by, shape.right + by, shape.bottom + by,
          [inner, by](float x, float y) { return inner(x, y) - by; }};
}

Shape Intersection(const Shape& a, const Shape& b) {
  auto da = a.distance, db = b.distance;
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom), [da, db](float x, float y) { return std::max(da(x, y), db(x, y)); }};
}

Shape Difference(const Shape& keep, const Shape& cut) {
  auto dk = keep.distance, dc = cut.distance;
  return {keep.left, keep.top, keep.right, keep.bottom,
          [dk, dc](float x, float y) { return std::max(dk(x, y), -dc(x, y)); }};
}

Paint Solid(uint32_t argb) {
  return [argb](float, float) { return argb; };
}

Paint VerticalGradient(float y0, uint32_t top, float y1, uint32_t bottom) {
  return [=](float, float y) { return MixColor(top, bottom, y1 == y0 ? 0 : std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

uint32_t MixColor(uint32_t a, uint32_t b, float t) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    float v = Channel(a, shift) * (1 - t) + Channel(b, shift) * t;
    out |= uint32_t(std::clamp(std::lround(v), 0L, 255L)) << shift;
  }
  return out;
}

void BlendPixel(platform::Image& image, int x, int y, uint32_t argb, float coverage) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height || coverage <= 0) return;
  uint32_t& pixel = image.at(x, y);
  float sa = Channel(argb, 24) / 255.0f * std::min(coverage, 1.0f);
  if (sa <= 0) return;
  float da = Channel(pixel, 24) / 255.0f;
  float oa = sa + da * (1 - sa);
  uint32_t out = uint32_t(std::lround(oa * 255)) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    float v = (Channel(argb, shift) * sa + Channel(pixel, shift) * da * (1 - sa)) / oa;
    out |= uint32_t(std::clamp(std::lround(v), 0L, 255L)) << shift;
  }
  pixel = out;
}

void Fill(platform::Image& image, const Shape& shape, const Paint& paint) {
  int x0 = std::max(0, int(std::floor(shape.left)) - 1), x1 = std::min(image.width, int(std::ceil(shape.right)) + 1);
  int y0 = std::max(0, int(std::floor(shape.top)) - 1), y1 = std::min(image.height, int(std::ceil(shape.bottom)) + 1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      // A pixel is covered as far as the edge runs through it: half covered on the edge.
      float coverage = std::clamp(0.5f - shape.distance(px, py), 0.0f, 1.0f);
      if (coverage > 0) BlendPixel(image, x, y, paint(px, py), coverage);
    }
}

void Fill(platform::Image& image, const Shape& shape, uint32_t argb) { Fill(image, shape, Solid(argb)); }

void FillOutlined(platform::Image& image, const Shape& shape, const Paint& paint, float line, uint32_t lineColor) {
  Fill(image, Grown(shape, line), lineColor);
  Fill(image, shape, paint);
}

void DrawImage(platform::Image& target, const platform::Image& source, int x, int y) {
  for (int sy = 0; sy < source.height; ++sy)
    for (int sx = 0; sx < source.width; ++sx) BlendPixel(target, x + sx, y + sy, source.at(sx, sy), 1);
}

bool RenderTextMask(const std::string& fontFile, int pixelSize, const std::string& text, int outline,
                    platform::Image& mask) {
  mask = platform::Image();
  if (TTF_WasInit() == 0 && TTF_Init() != 0) return false;
  TTF_Font* font = TTF_OpenFont(fontFile.c_str(), pixelSize);
  if (!font) return false;
  TTF_SetFontOutline(font, outline);
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
  TTF_CloseFont(font);
  if (!rendered) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return false;
  mask = platform::Image(argb->w, argb->h);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + size_t(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) mask.at(x, y) = (row[x] & 0xFF000000u) | 0x00FFFFFFu;
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return true;
}

InkBox InkBounds(const platform::Image& mask) {
  InkBox box{mask.width, mask.height, 0, 0};
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      if (mask.at(x, y) >> 24) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box.right > box.left ? box : InkBox{};
}

void FillMask(platform::Image& image, const platform::Image& mask, float x, float y, const Paint& paint) {
  // Whole-pixel placement keeps the font's own hinting and smoothing intact.
  int ox = int(std::lround(x)), oy = int(std::lround(y));
  for (int my = 0; my < mask.height; ++my)
    for (int mx = 0; mx < mask.width; ++mx) {
      float coverage = (mask.at(mx, my) >> 24) / 255.0f;
      if (coverage > 0) BlendPixel(image, ox + mx, oy + my, paint(ox + mx + 0.5f, oy + my + 0.5f), coverage);
    }
}

bool DrawTextCentred(platform::Image& image, const TextStyle& style, const std::string& text, Point centre) {
  platform::Image body, rim;
  if (!RenderTextMask(style.fontFile, style.pixelSize, text, 0, body)) return false;
  if (style.outline > 0 && !RenderTextMask(style.fontFile, style.pixelSize, text, style.outline, rim)) return false;
  // An outlined rendering is the plain one moved by the outline width on both axes.
  const platform::Image& outer = style.outline > 0 ? rim : body;
  InkBox ink = InkBounds(outer);
  float left = centre.x - (ink.left + ink.right) / 2.0f, top = centre.y - (ink.top + ink.bottom) / 2.0f;
  if (style.outline > 0) FillMask(image, rim, left, top, Solid(style.outlineColor));
  FillMask(image, body, left + style.outline, top + style.outline, Solid(style.fill));
  return true;
}

bool FitLettering(const std::string& fontFile, int pixelSize, int smallest, const std::string& text, int outline,
                  int maxWidth, Lettering& out) {
  int size = pixelSize;
  for (;; size -= 2) {
    if (!RenderTextMask(fontFile, size, text, outline, out.rim)) return false;
    out.ink = InkBounds(out.rim);
    if (out.ink.right - out.ink.left <= maxWidth || size <= smallest) break;
  }
  out.outline = outline;
  return RenderTextMask(fontFile, size, text, 0, out.body);
}

}  // namespace assets
