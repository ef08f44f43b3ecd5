// libFuzzer target: any bytes as a DDS picture. A picture that decodes has the size its header
// names within the limits, and survives being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/dds.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  platform::Image image;
  if (!platform::DecodeDds(bytes, image)) {
    Check(image.empty());
    return 0;
  }
  Check(image.width > 0 && image.height > 0);
  Check(image.width <= platform::kMaxDdsSide && image.height <= platform::kMaxDdsSide);
  Check(image.pixels.size() == size_t(image.width) * size_t(image.height));
  platform::Image again;
  Check(platform::DecodeDds(platform::EncodeDds(image, platform::DdsFormat::A8R8G8B8), again));
  Check(again.pixels == image.pixels);
  return 0;
}
