#pragma once
#include <cstdint>

namespace platform {

// Decoders of the S3TC blocks of DDS pictures. Each block covers 4 x 4 pixels; out receives
// them row by row, as 0xAARRGGBB.
constexpr int kDxt1BlockBytes = 8;
constexpr int kDxt3BlockBytes = 16;
constexpr int kDxt5BlockBytes = 16;

// Two 5:6:5 colours and sixteen 2-bit indices. When the first colour is not greater than the
// second, index 3 is transparent black (the 1-bit alpha mode).
void DecodeDxt1Block(const uint8_t* block, uint32_t out[16]);
// Sixteen explicit 4-bit alphas, then a colour block always read with four colours.
void DecodeDxt3Block(const uint8_t* block, uint32_t out[16]);
// Two alpha end points and sixteen 3-bit alpha indices, then a four-colour block.
void DecodeDxt5Block(const uint8_t* block, uint32_t out[16]);

}  // namespace platform
