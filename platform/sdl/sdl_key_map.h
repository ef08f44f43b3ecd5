#pragma once
#include <SDL.h>

#include <cstdint>

namespace platform {

// The DirectInput code of the key SDL reports by its scancode; 0 for keys without one.
uint8_t DikFromScancode(SDL_Scancode scancode);

}  // namespace platform
