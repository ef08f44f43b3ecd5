#pragma once
#include <string>

#include "platform/image.h"

namespace assets {

// A Windows bitmap file, 24 bits a pixel, bottom-up rows padded to four bytes: the kind every
// picture loader reads. The alpha channel is dropped.
bool WriteBmp24(const std::string& path, const platform::Image& image);

}  // namespace assets
