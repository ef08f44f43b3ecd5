#pragma once
#include "platform/image.h"

// The words the game shows on squares of their own: its menu and its loading picture.
namespace assets::quenmark {

// "Start.dds": the first menu item, drawn at (0, 80) on a 120-unit square: the word in the
// square's middle, about 100 units wide, transparent around.
bool RenderStartWord(int size, platform::Image& out);
// "quit.dds": the second menu item, at (0, 130) on a 120-unit square whose lower half lies
// below the screen's foot (y 124): the word in the square's upper part, where it shows.
bool RenderQuitWord(int size, platform::Image& out);
// "Loading.dds": "Loading..." in the middle of a transparent square.
bool RenderLoadingWord(int size, platform::Image& out);

}  // namespace assets::quenmark
