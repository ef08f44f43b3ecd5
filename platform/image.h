#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A picture in memory: 32-bit pixels 0xAARRGGBB, rows from the top, no padding. It is the
// layout of Direct3D's A8R8G8B8 surfaces and of the games' 32-bit bitmaps.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  Image() = default;
  Image(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}
  uint32_t& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  bool empty() const { return pixels.empty(); }
};

// Reads png, bmp, jpg and the other formats of the image library, and DDS (told by its magic,
// see dds.h); false (and an empty image) when the file is missing, a folder, unreadable or not
// a picture.
bool LoadImageFile(const std::string& hostPath, Image& out);
// Writes a png; false when the file cannot be written.
bool SavePng(const std::string& hostPath, const Image& image);

// The smallest power of two that is at least n (1 for n <= 1).
int NextPowerOfTwo(int n);
// The picture stretched to the new size with bilinear filtering, as a texture loader does when
// it rounds a picture up to a power-of-two texture.
Image ResizeImage(const Image& image, int width, int height);

}  // namespace platform
