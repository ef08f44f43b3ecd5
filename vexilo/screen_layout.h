#pragma once

// Where everything stands in the game's 400 x 256 window, in pixels. The pictures are made to
// fit these places, so the asset maker reads them from here too.
namespace layout {

constexpr int kScreenWidth = 400, kScreenHeight = 256;

// Instruction pictures: a column on the left, flag k (0..3) at kInstructionTop + k * kInstructionStep.
constexpr int kInstructionX = 12, kInstructionTop = 13, kInstructionStep = 56, kInstructionSize = 50;

// The countdown column on the right: block i (0 the lowest) at kTimeBottomY - i * kTimeStep.
// The picture holds 40 x 40 cells: 0..4 the top block for countdown 4..0, then the filler.
constexpr int kTimeX = 348, kTimeBottomY = 195, kTimeStep = 45, kTimeCell = 40, kTimeFillerCell = 5;

// Lives, separator and the score's two digits along the top: 40 x 40 cells 20 pixels apart,
// ANDed on, so only their middles show what they hold.
constexpr int kDigitCell = 40, kDigitY = 0, kSeparatorCell = 10;
constexpr int kLivesX = 140, kSeparatorX = 160, kTensX = 180, kOnesX = 200;

// The MISS! and SPEEDUP banners.
constexpr int kBannerX = 138, kBannerY = 45, kBannerWidth = 125, kBannerHeight = 52;

// The extra picture.
constexpr int kExtraX = 190, kExtraY = 155, kExtraSize = 32;

}  // namespace layout
