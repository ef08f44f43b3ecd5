#include "assets/common/bmp_file.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace assets {

bool WriteBmp24(const std::string& path, const platform::Image& image) {
  if (image.empty()) return false;
  const uint32_t rowBytes = (uint32_t(image.width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * uint32_t(image.height);
  std::vector<uint8_t> file(54 + dataBytes, 0);
  auto put16 = [&file](size_t at, uint16_t v) {
    file[at] = uint8_t(v);
    file[at + 1] = uint8_t(v >> 8);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, uint16_t(v));
    put16(at + 2, uint16_t(v >> 16));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, uint32_t(file.size()));
  put32(10, 54);                 // pixels start after the two headers
  put32(14, 40);                 // BITMAPINFOHEADER
  put32(18, uint32_t(image.width));
  put32(22, uint32_t(image.height));  // positive: bottom-up
  put16(26, 1);
  put16(28, 24);
  put32(34, dataBytes);
  put32(38, 2835);               // 72 dots per inch
  put32(42, 2835);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = &file[54 + size_t(image.height - 1 - y) * rowBytes];
    for (int x = 0; x < image.width; ++x) {
      uint32_t p = image.at(x, y);
      row[x * 3] = uint8_t(p);
      row[x * 3 + 1] = uint8_t(p >> 8);
      row[x * 3 + 2] = uint8_t(p >> 16);
    }
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace assets
