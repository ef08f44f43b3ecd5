#pragma once
#include <string>

#include "platform/image.h"

namespace assets {

// A Windows icon file holding the one picture as a 32-bit bitmap with its alpha (and the
// matching 1-bit mask that older readers use). Sides from 1 to 256.
bool WriteIco(const std::string& path, const platform::Image& image);

}  // namespace assets
