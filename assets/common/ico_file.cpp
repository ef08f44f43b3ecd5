#include "assets/common/ico_file.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace assets {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool WriteIco(const std::string& path, const platform::Image& image) {
  const int w = image.width, h = image.height;
  if (w < 1 || h < 1 || w > 256 || h > 256) return false;
  const uint32_t maskRowBytes = uint32_t((w + 31) / 32 * 4);
  const uint32_t bitmapBytes = 40 + uint32_t(w * h * 4) + maskRowBytes * uint32_t(h);
  std::vector<uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, 1);  // one picture
  out.push_back(uint8_t(w == 256 ? 0 : w));  // 0 stands for 256
  out.push_back(uint8_t(h == 256 ? 0 : h));
  out.push_back(0);  // no palette
  out.push_back(0);
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits a pixel
  Put32(out, bitmapBytes);
  Put32(out, 6 + 16);  // the bitmap follows the directory
  // BITMAPINFOHEADER; its height counts the colour rows and the mask rows together.
  Put32(out, 40);
  Put32(out, uint32_t(w));
  Put32(out, uint32_t(h * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // uncompressed
  Put32(out, uint32_t(w * h * 4) + maskRowBytes * uint32_t(h));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = h - 1; y >= 0; --y)  // bottom row first
    for (int x = 0; x < w; ++x) Put32(out, image.at(x, y));  // little-endian ARGB is B, G, R, A
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskRowBytes, 0);
    for (int x = 0; x < w; ++x)
      if ((image.at(x, y) >> 24) == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));  // 1: transparent
    out.insert(out.end(), row.begin(), row.end());
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  file.close();
  return bool(file);
}

}  // namespace assets
