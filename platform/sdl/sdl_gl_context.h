#pragma once
#include <SDL.h>

#include <memory>

#include "platform/gl/gl_context.h"

namespace platform {

// A GL 3.3 core context on an SDL window; null when SDL cannot make one of the kind asked for.
// The window must release it before the SDL window is destroyed.
std::shared_ptr<GlContext> CreateSdlGlContext(SDL_Window* window, bool requireAccelerated,
                                              bool waitForVsync);

}  // namespace platform
