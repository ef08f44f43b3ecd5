#pragma once
#include <cstdint>
#include <string>

#include "assets/common/canvas.h"
#include "platform/image.h"

// One line of lettering as the game's pictures show it: a body in a vertical gradient, a dark
// rim round it and a soft halo, placed by its inked box or on its baseline.
namespace assets::quenmark {

struct TextLook {
  std::string font;
  int pixelSize = 32;
  float stretch = 1;  // the letters' width times this
  uint32_t top = 0xFFFFFFFF, bottom = 0xFFFFFFFF;  // the body at the capitals' top and at the baseline
  int outline = 0;  // pixels of rim; none when 0
  uint32_t outlineColor = 0xFF000000;
  int glowRadius = 0;  // pixels of halo around the rim; none when 0
  uint32_t glowColor = 0;
};

struct TextLine {
  platform::Image body, rim;  // coverage masks; the body lands `outline` pixels inside the rim's corner
  int outline = 0;
  InkBox ink;                // of the rim, in its own pixels
  float capTop = 0, baseline = 0;  // rows of the rim where the capitals start and stand
};

// Renders the text in the look. False when the font cannot be used.
bool SetLine(const TextLook& look, const std::string& text, TextLine& out);
// The look's pixel size made the largest at which the line's inked box fits the width and
// height; the line set in it. False when the font cannot be used.
bool FitLine(TextLook& look, const std::string& text, float maxWidth, float maxHeight, TextLine& out);
// The pixel size whose capitals are `capPixels` tall in that font.
int PixelSizeForCapHeight(const std::string& font, float capPixels);

// Draws the line with its inked box centred on `centre`.
void DrawCentred(platform::Image& image, const TextLine& line, const TextLook& look, Point centre);
// Draws the line with its ink starting at `left` and its baseline on row `baseline`.
void DrawOnBaseline(platform::Image& image, const TextLine& line, const TextLook& look, float left, float baseline);

}  // namespace assets::quenmark
