#pragma once
#include <string>
#include <string_view>

namespace platform {

// The font file that stands in for a Windows face name (CP932, as a game passes it to
// CreateFont): IPA P Gothic for the proportional Gothic "ＭＳ　Ｐゴシック" and for any face we do
// not know, IPA Gothic for the fixed-pitch "ＭＳ　ゴシック". Both are the usual metric stand-ins
// and come with Debian's fonts-ipafont-gothic.
std::string FontFileForFace(std::string_view faceNameCp932);

}  // namespace platform
