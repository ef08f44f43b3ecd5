#include "platform/font_files.h"

#include "platform/text_encoding.h"

namespace platform {
namespace {

const char* const kFontFolder = "/usr/share/fonts/opentype/ipafont-gothic/";
const char* const kProportionalGothic = "ipagp.ttf";
const char* const kFixedPitchGothic = "ipag.ttf";

// Windows matches face names without regard to the case of Latin letters; the English name of
// the fixed-pitch face is accepted too.
bool SameAsciiInsensitive(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
    if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::string FontFileForFace(std::string_view faceNameCp932) {
  static const std::string fixedPitch = Cp932Literal("ＭＳ　ゴシック");
  bool fixed = faceNameCp932 == fixedPitch || SameAsciiInsensitive(faceNameCp932, "MS Gothic");
  return std::string(kFontFolder) + (fixed ? kFixedPitchGothic : kProportionalGothic);
}

}  // namespace platform
