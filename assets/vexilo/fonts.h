#pragma once

// The faces the flag game's lettering uses, from Debian's DejaVu fonts.
namespace assets::vexilo {

inline const char* const kBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// Narrower, for words and digits that must fit tight boxes.
inline const char* const kCondensedBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

}  // namespace assets::vexilo
