#include "platform/dds.h"

#include <cstdint>

#include "platform/dds_header.h"
#include "platform/dxt_blocks.h"

namespace platform {
namespace {

// One colour channel of an uncompressed pixel, given by its bit mask.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;  // the largest value the channel holds, mask >> shift

  // The channel's value scaled to 0..255.
  uint32_t Read(uint32_t pixel) const {
    uint32_t value = (pixel & mask) >> shift;
    if (max == 255) return value;
    if (max > 255) return uint32_t(uint64_t(value) * 255 / max);
    return (value * 255 + max / 2) / max;
  }
};

// False for a mask that is empty or not one run of bits (the format has no such layouts).
bool MakeChannel(uint32_t mask, Channel& out) {
  if (mask == 0) return false;
  int shift = 0;
  while (!(mask >> shift & 1)) ++shift;
  uint32_t max = mask >> shift;
  if ((max & (max + 1)) != 0) return false;
  out = {mask, shift, max};
  return true;
}

bool DecodeUncompressed(const DdsHeader& h, std::string_view data, Image& out) {
  const DdsPixelFormat& pf = h.pixelFormat;
  if (pf.rgbBitCount != 16 && pf.rgbBitCount != 24 && pf.rgbBitCount != 32) return false;
  uint32_t bytesPerPixel = pf.rgbBitCount / 8;
  bool hasAlpha = (pf.flags & kDdpfAlphaPixels) && pf.aBitMask != 0;
  Channel r, g, b, a;
  if (!MakeChannel(pf.rBitMask, r) || !MakeChannel(pf.gBitMask, g) || !MakeChannel(pf.bBitMask, b))
    return false;
  if (hasAlpha && !MakeChannel(pf.aBitMask, a)) return false;
  uint64_t used = uint64_t(pf.rBitMask) + pf.gBitMask + pf.bBitMask + (hasAlpha ? pf.aBitMask : 0);
  uint32_t all = pf.rBitMask | pf.gBitMask | pf.bBitMask | (hasAlpha ? pf.aBitMask : 0);
  // Overlapping masks, or masks beyond the pixel's bits, describe no real layout.
  if (used != all || (pf.rgbBitCount < 32 && (all >> pf.rgbBitCount) != 0)) return false;

  // Rows are packed without padding.
  if (data.size() / bytesPerPixel / h.width < h.height) return false;
  Image image(int(h.width), int(h.height));
  const auto* p = reinterpret_cast<const uint8_t*>(data.data());
  for (uint32_t& pixel : image.pixels) {
    uint32_t word = 0;
    for (uint32_t i = 0; i < bytesPerPixel; ++i) word |= uint32_t(p[i]) << (8 * i);
    p += bytesPerPixel;
    uint32_t alpha = hasAlpha ? a.Read(word) : 255;
    pixel = alpha << 24 | r.Read(word) << 16 | g.Read(word) << 8 | b.Read(word);
  }
  out = std::move(image);
  return true;
}

bool DecodeBlocks(const DdsHeader& h, std::string_view data, Image& out) {
  void (*decode)(const uint8_t*, uint32_t*) = nullptr;
  size_t blockBytes = 0;
  switch (h.pixelFormat.fourCC) {
    case FourCC("DXT1"): decode = DecodeDxt1Block; blockBytes = kDxt1BlockBytes; break;
    case FourCC("DXT3"): decode = DecodeDxt3Block; blockBytes = kDxt3BlockBytes; break;
    case FourCC("DXT5"): decode = DecodeDxt5Block; blockBytes = kDxt5BlockBytes; break;
    default: return false;  // DXT2 and DXT4 (premultiplied alpha), DX10 headers and the rest
  }
  // Blocks cover whole 4 x 4 squares; pixels beyond the picture's edge are dropped.
  uint32_t columns = (h.width + 3) / 4, rows = (h.height + 3) / 4;
  if (data.size() / blockBytes / columns < rows) return false;
  Image image(int(h.width), int(h.height));
  const auto* block = reinterpret_cast<const uint8_t*>(data.data());
  uint32_t pixels[16];
  for (uint32_t by = 0; by < rows; ++by) {
    for (uint32_t bx = 0; bx < columns; ++bx, block += blockBytes) {
      decode(block, pixels);
      for (uint32_t y = 0; y < 4 && by * 4 + y < h.height; ++y)
        for (uint32_t x = 0; x < 4 && bx * 4 + x < h.width; ++x)
          image.at(int(bx * 4 + x), int(by * 4 + y)) = pixels[y * 4 + x];
    }
  }
  out = std::move(image);
  return true;
}

}  // namespace

bool DecodeDds(std::string_view bytes, Image& out) {
  out = Image();
  DdsHeader h;
  if (!ReadDdsHeader(bytes, h)) return false;
  if (h.width == 0 || h.height == 0 || h.width > kMaxDdsSide || h.height > kMaxDdsSide) return false;
  if (h.caps2 & (kDdsCaps2Cubemap | kDdsCaps2Volume)) return false;
  if ((h.flags & kDdsdDepth) && h.depth > 1) return false;
  std::string_view data = bytes.substr(kDdsHeaderBytes);
  const uint32_t kind = h.pixelFormat.flags & (kDdpfFourCC | kDdpfRgb);
  if (kind == kDdpfFourCC) return DecodeBlocks(h, data, out);
  if (kind == kDdpfRgb) return DecodeUncompressed(h, data, out);
  return false;  // luminance, alpha-only, YUV, or a format that claims to be two things
}

std::string EncodeDds(const Image& image, DdsFormat format) {
  if (image.empty() || image.width > kMaxDdsSide || image.height > kMaxDdsSide) return {};
  const uint32_t bytesPerPixel = format == DdsFormat::R8G8B8 ? 3 : 4;
  DdsHeader h;
  h.flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPitch | kDdsdPixelFormat;
  h.width = uint32_t(image.width);
  h.height = uint32_t(image.height);
  h.pitchOrLinearSize = h.width * bytesPerPixel;
  h.caps = kDdsCapsTexture;
  DdsPixelFormat& pf = h.pixelFormat;
  pf.flags = kDdpfRgb | (format == DdsFormat::A8R8G8B8 ? kDdpfAlphaPixels : 0);
  pf.rgbBitCount = bytesPerPixel * 8;
  pf.rBitMask = 0x00FF0000;
  pf.gBitMask = 0x0000FF00;
  pf.bBitMask = 0x000000FF;
  pf.aBitMask = format == DdsFormat::A8R8G8B8 ? 0xFF000000 : 0;

  std::string bytes = WriteDdsHeader(h);
  bytes.reserve(bytes.size() + image.pixels.size() * bytesPerPixel);
  for (uint32_t pixel : image.pixels) {
    // The unused byte of X8R8G8B8 is written as opaque, for readers that take it as alpha.
    if (format == DdsFormat::X8R8G8B8) pixel |= 0xFF000000;
    for (uint32_t i = 0; i < bytesPerPixel; ++i) bytes.push_back(char(pixel >> (8 * i)));
  }
  return bytes;
}

}  // namespace platform
