#include "assets/quenmark/ascii_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/quenmark/fonts.h"
#include "assets/quenmark/lettering.h"

namespace assets::quenmark {

bool RenderAsciiSheet(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  const float cell = float(size) / kAsciiColumns;
  TextLook look;
  look.font = kMonoBoldFont;
  // Capitals about 55% of the cell: with the rim, the widest glyphs stay inside the middle two
  // thirds of the cell, and descenders and brackets inside its height.
  look.pixelSize = PixelSizeForCapHeight(look.font, cell * (kBaselineInCell - kCapTopInCell));
  look.top = 0xFFFFFFFF;
  look.bottom = 0xFFC8D6F0;
  look.outline = std::max(1, int(std::lround(cell / 16)));
  look.outlineColor = 0xFF0A0612;
  // The capitals a little above the middle, leaving the descenders room below.
  const float baseline = cell * kBaselineInCell;
  for (int code = 33; code <= 126; ++code) {
    TextLine line;
    if (!SetLine(look, std::string(1, char(code)), line)) return false;
    const float cellX = float(code % kAsciiColumns) * cell, cellY = float(code / kAsciiColumns) * cell;
    // Centred by the character's advance, as the font spaces it, not by its ink: a full stop
    // sits low and in the middle of its cell as it would in a line of text.
    const float maskLeft = cellX + (cell - float(line.body.width)) / 2 - float(line.outline);
    DrawOnBaseline(out, line, look, std::round(maskLeft) + float(line.ink.left), cellY + baseline);
  }
  return true;
}

}  // namespace assets::quenmark
