#pragma once

// The faces the side-bar shooter's lettering uses, from Debian's DejaVu fonts.
namespace assets::quenmark {

// The game's name and its menu: a bold slanted face, drawn wide.
inline const char* const kDisplayFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf";
// Labels and small lines.
inline const char* const kBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// The text sheet: every character has the same advance, so each fits the same narrow cell.
inline const char* const kMonoBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

}  // namespace assets::quenmark
