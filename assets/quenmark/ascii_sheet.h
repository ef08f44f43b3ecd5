#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "ASCII.dds": the game's text sheet, 16 x 16 cells in character-code order (column = code & 15,
// row = code >> 4), the printable characters 33..126 drawn, every other cell transparent. The
// game draws a character's cell on a square and steps the next one only about two thirds of
// that square along, so each glyph keeps to the middle two thirds of its cell's width; glyphs
// are light with a dark rim, to read on the side bar and over play alike.
bool RenderAsciiSheet(int size, platform::Image& out);

constexpr int kAsciiColumns = 16;
// Where the capitals stand in every cell, as fractions of its height: their top and their baseline.
constexpr float kCapTopInCell = 0.17f, kBaselineInCell = 0.72f;

}  // namespace assets::quenmark
