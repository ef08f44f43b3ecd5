#pragma once
#include <cstdint>

// What the keyboard says in one tick: a bit per action, read once and used by everything in
// that tick.
using InputWord = uint32_t;

namespace input_bits {
constexpr InputWord kLeft = 0x1, kRight = 0x2, kUp = 0x4, kDown = 0x8;
constexpr InputWord kSpace = 0x10, kZ = 0x20, kX = 0x40, kC = 0x80;
constexpr InputWord kEnter = 0x100, kTab = 0x200, kShift = 0x400, kBackspace = 0x800;
constexpr InputWord kA = 0x1000, kS = 0x2000;
// The whole word is exactly this when the keyboard could not be read.
constexpr InputWord kUnreadable = 0x80000;
}  // namespace input_bits
