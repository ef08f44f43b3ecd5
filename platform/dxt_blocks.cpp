#include "platform/dxt_blocks.h"

namespace platform {
namespace {

uint32_t Word16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Word32(const uint8_t* p) { return Word16(p) | Word16(p + 2) << 16; }

struct Rgb {
  uint32_t r, g, b;
};

// 5:6:5 to 8:8:8 by repeating the top bits, so 0 stays 0 and full stays 255.
Rgb Expand565(uint32_t c) {
  uint32_t r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
  return {(r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2)};
}

uint32_t Argb(uint32_t a, Rgb c) { return a << 24 | c.r << 16 | c.g << 8 | c.b; }

// (wa * a + wb * b) / (wa + wb) per channel, rounded to nearest.
Rgb Mix(Rgb a, uint32_t wa, Rgb b, uint32_t wb) {
  uint32_t sum = wa + wb;
  auto mix = [&](uint32_t x, uint32_t y) { return (wa * x + wb * y + sum / 2) / sum; };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// The colour half of every DXT block; alphas come from the caller (255 for DXT1's opaque
// pixels, the alpha block's values for DXT3 and DXT5).
void DecodeColors(const uint8_t* block, bool allowTransparent, const uint8_t alpha[16],
                  uint32_t out[16]) {
  uint32_t c0 = Word16(block), c1 = Word16(block + 2);
  Rgb e0 = Expand565(c0), e1 = Expand565(c1);
  Rgb palette[4] = {e0, e1, {}, {}};
  bool transparentThird = false;
  if (c0 > c1 || !allowTransparent) {
    palette[2] = Mix(e0, 2, e1, 1);
    palette[3] = Mix(e0, 1, e1, 2);
  } else {
    palette[2] = Mix(e0, 1, e1, 1);
    transparentThird = true;
  }
  uint32_t indices = Word32(block + 4);
  for (int i = 0; i < 16; ++i) {
    uint32_t index = (indices >> (2 * i)) & 3;
    out[i] = transparentThird && index == 3 ? 0u : Argb(alpha[i], palette[index]);
  }
}

}  // namespace

void DecodeDxt1Block(const uint8_t* block, uint32_t out[16]) {
  uint8_t opaque[16];
  for (auto& a : opaque) a = 255;
  DecodeColors(block, true, opaque, out);
}

void DecodeDxt3Block(const uint8_t* block, uint32_t out[16]) {
  uint8_t alpha[16];
  for (int i = 0; i < 16; ++i) {
    uint32_t nibble = (block[i / 2] >> (4 * (i % 2))) & 15;
    alpha[i] = uint8_t(nibble * 17);  // 4 to 8 bits: 15 becomes 255
  }
  DecodeColors(block + 8, false, alpha, out);
}

void DecodeDxt5Block(const uint8_t* block, uint32_t out[16]) {
  uint32_t a0 = block[0], a1 = block[1];
  uint32_t levels[8] = {a0, a1};
  if (a0 > a1) {
    for (uint32_t i = 1; i < 7; ++i) levels[i + 1] = ((7 - i) * a0 + i * a1 + 3) / 7;
  } else {
    for (uint32_t i = 1; i < 5; ++i) levels[i + 1] = ((5 - i) * a0 + i * a1 + 2) / 5;
    levels[6] = 0;
    levels[7] = 255;
  }
  // Sixteen 3-bit indices in the next six bytes, little-endian, pixel 0 in the lowest bits.
  uint64_t bits = 0;
  for (int i = 0; i < 6; ++i) bits |= uint64_t(block[2 + i]) << (8 * i);
  uint8_t alpha[16];
  for (int i = 0; i < 16; ++i) alpha[i] = uint8_t(levels[(bits >> (3 * i)) & 7]);
  DecodeColors(block + 8, false, alpha, out);
}

}  // namespace platform
