#pragma once
#include "vexilo/screen_layout.h"

// Where the flag game puts each picture in its window (its own layout). The pictures that are
// copied as opaque rectangles are drawn over the background they will land on, so their
// rounded corners blend into it.
namespace assets::vexilo {

using namespace layout;

// Instruction pictures: one slot per flag, a column on the left (flags counted from 1 here).
constexpr int kSlotX = kInstructionX, kSlotSize = kInstructionSize;
constexpr int SlotY(int flag) { return kInstructionTop + kInstructionStep * (flag - 1); }

// Countdown column on the right.
constexpr int kTimeCells = 6;
constexpr int TimeBlockY(int index) { return kTimeBottomY - kTimeStep * index; }

// Digits along the top.
constexpr int kDigitCells = 11;

// The bonus picture, copied onto the figure's chest.
constexpr int kBonusX = kExtraX, kBonusY = kExtraY, kBonusSize = kExtraSize;

// The mascot stands on this vertical axis; the right-hand flags mirror the left ones about it.
constexpr float kFigureAxis = 206;

}  // namespace assets::vexilo
