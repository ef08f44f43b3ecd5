#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The 128 bytes that open a DDS file: the magic "DDS " and the 124-byte header with its 32-byte
// pixel format, every field a little-endian 32-bit word. The names are the file format's own.
struct DdsPixelFormat {
  uint32_t size = 32;
  uint32_t flags = 0;   // kDdpf*
  uint32_t fourCC = 0;  // "DXT1" etc. as four bytes in file order
  uint32_t rgbBitCount = 0;
  uint32_t rBitMask = 0, gBitMask = 0, bBitMask = 0, aBitMask = 0;
};

struct DdsHeader {
  uint32_t size = 124;
  uint32_t flags = 0;  // kDdsd*
  uint32_t height = 0;
  uint32_t width = 0;
  uint32_t pitchOrLinearSize = 0;
  uint32_t depth = 0;
  uint32_t mipMapCount = 0;
  uint32_t reserved1[11] = {};
  DdsPixelFormat pixelFormat;
  uint32_t caps = 0;   // kDdsCaps*
  uint32_t caps2 = 0;  // kDdsCaps2*
  uint32_t caps3 = 0, caps4 = 0, reserved2 = 0;
};

constexpr size_t kDdsHeaderBytes = 128;  // magic included

constexpr uint32_t kDdsdCaps = 0x1, kDdsdHeight = 0x2, kDdsdWidth = 0x4, kDdsdPitch = 0x8,
                   kDdsdPixelFormat = 0x1000, kDdsdMipMapCount = 0x20000,
                   kDdsdLinearSize = 0x80000, kDdsdDepth = 0x800000;
constexpr uint32_t kDdpfAlphaPixels = 0x1, kDdpfFourCC = 0x4, kDdpfRgb = 0x40;
constexpr uint32_t kDdsCapsTexture = 0x1000;
constexpr uint32_t kDdsCaps2Cubemap = 0x200, kDdsCaps2Volume = 0x200000;

constexpr uint32_t FourCC(const char (&code)[5]) {
  return uint32_t(uint8_t(code[0])) | uint32_t(uint8_t(code[1])) << 8 |
         uint32_t(uint8_t(code[2])) << 16 | uint32_t(uint8_t(code[3])) << 24;
}

// Whether the bytes start with the magic "DDS ".
bool HasDdsMagic(std::string_view bytes);
// Reads the magic and the header; false when the bytes are too short for them or the magic or
// the two structure sizes are not the format's.
bool ReadDdsHeader(std::string_view bytes, DdsHeader& out);
// The magic and the header, 128 bytes.
std::string WriteDdsHeader(const DdsHeader& header);

}  // namespace platform
