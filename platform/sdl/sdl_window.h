#pragma once
#include <SDL.h>

#include <memory>

#include "platform/window.h"

namespace platform {

std::unique_ptr<Window> CreateSdlWindow(const WindowDesc& desc);

// The SDL window behind one of ours; null for none, a destroyed one or another backend's.
SDL_Window* SdlWindowOf(const Window* window);
// Called as a message box owned by the window closes: what the player gave the window while the
// box was open is dropped, and its effect on key state kept.
void DropInputGivenDuringBox(const Window* owner);

}  // namespace platform
