#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/image.h"

// Drawing on platform::Image with anti-aliased edges. A shape is its signed distance in
// pixels (negative inside), so one coverage rule smooths every edge the same way and an
// outline is the same shape grown by its width. Colours are 0xAARRGGBB with straight alpha;
// drawing composites "over" what is there, so a layer that starts transparent keeps the
// coverage of what was drawn on it in its alpha.
namespace assets {

constexpr float kPi = 3.14159265f;

struct Point {
  float x = 0, y = 0;
};

struct Shape {
  // Where the distance can fall below one pixel; nothing outside is touched.
  float left = 0, top = 0, right = 0, bottom = 0;
  std::function<float(float x, float y)> distance;
};

Shape Circle(Point centre, float radius);
Shape Ellipse(Point centre, float radiusX, float radiusY);
Shape RoundedRect(float left, float top, float right, float bottom, float radius);
// A thick line with round ends; a capsule.
Shape Segment(Point a, Point b, float halfWidth);
// Chained segments of one width; round joints.
Shape Polyline(const std::vector<Point>& points, float halfWidth);
// Any simple or self-crossing outline, filled by the even-odd rule.
Shape Polygon(const std::vector<Point>& points);
// A round-lobed heart about `size` pixels across, its middle on `centre`.
Shape Heart(Point centre, float size);
// The shape with its edge moved outwards by `by` pixels (inwards when negative).
Shape Grown(const Shape& shape, float by);
Shape Intersection(const Shape& a, const Shape& b);
Shape Difference(const Shape& keep, const Shape& cut);

using Paint = std::function<uint32_t(float x, float y)>;
Paint Solid(uint32_t argb);
// From `top` at y0 to `bottom` at y1, held beyond them.
Paint VerticalGradient(float y0, uint32_t top, float y1, uint32_t bottom);

// Channel-wise mix: t = 0 gives a, t = 1 gives b (alpha mixed too).
uint32_t MixColor(uint32_t a, uint32_t b, float t);
// Composites colour (its own alpha scaled by coverage 0..1) over the pixel.
void BlendPixel(platform::Image& image, int x, int y, uint32_t argb, float coverage);

void Fill(platform::Image& image, const Shape& shape, const Paint& paint);
void Fill(platform::Image& image, const Shape& shape, uint32_t argb);
// The shape filled, with a rim `line` pixels wide around it.
void FillOutlined(platform::Image& image, const Shape& shape, const Paint& paint, float line, uint32_t lineColor);
// Copies `source` over `target` with its top-left corner at (x, y), compositing by alpha.
void DrawImage(platform::Image& target, const platform::Image& source, int x, int y);

// Text rendered by a TrueType font as a coverage mask: white with the coverage in alpha,
// `outline` pixels of extra rim around every glyph. False when the font cannot be used.
bool RenderTextMask(const std::string& fontFile, int pixelSize, const std::string& text,
                    int outline, platform::Image& mask);
// The box of the mask's inked pixels (alpha above zero), for centring by what is seen rather
// than by the font's line height. Right and bottom are exclusive; all zero when nothing is inked.
struct InkBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};
InkBox InkBounds(const platform::Image& mask);
// A line of text as two masks: its letters (body) and the letters grown by `outline` pixels
// (rim), at the largest size from `pixelSize` down, in steps of 2 but not below `smallest`,
// whose rim's ink fits `maxWidth` pixels.
struct Lettering {
  platform::Image body, rim;
  InkBox ink;  // of the rim, which is the body moved by the rim's width on both axes
  int outline = 0;
};
bool FitLettering(const std::string& fontFile, int pixelSize, int smallest, const std::string& text, int outline,
                  int maxWidth, Lettering& out);
// Paints the mask's coverage with `paint`; the mask's (0, 0) lands on (x, y).
void FillMask(platform::Image& image, const platform::Image& mask, float x, float y,
              const Paint& paint);

struct TextStyle {
  std::string fontFile;
  int pixelSize = 16;
  uint32_t fill = 0xFF000000;
  int outline = 0;  // pixels of rim; none when 0
  uint32_t outlineColor = 0xFF000000;
};
// Draws the text with its inked box centred on `centre`. False when the font cannot be used.
bool DrawTextCentred(platform::Image& image, const TextStyle& style, const std::string& text,
                     Point centre);

}  // namespace assets
