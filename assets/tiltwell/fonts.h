#pragma once

// The faces the maze game's lettering uses: Debian's DejaVu fonts, and IPA Gothic for Japanese.
namespace assets::tiltwell {

inline const char* const kTitleFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
inline const char* const kBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline const char* const kPlainFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Narrow enough for a digit and its outline to fit a 16-pixel cell.
inline const char* const kCondensedBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
inline const char* const kJapaneseFont = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";

}  // namespace assets::tiltwell
