#pragma once
#include "platform/image.h"
#include "vexilo/game_record.h"
#include "vexilo/pictures.h"
#include "vexilo/screen_layout.h"

// The title screen into the back buffer.
void PaintTitleScreen(const Pictures& pictures, platform::Image& backBuffer);
// The play screen into the back buffer: background, countdown column, the instruction, the
// flags and the figure, the extra picture, lives and score, and the banners.
void PaintGameScreen(const GameRecord& record, const Pictures& pictures, platform::Image& backBuffer);
