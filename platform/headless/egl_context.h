#pragma once
#include <functional>
#include <memory>

#include "platform/gl/gl_context.h"

namespace platform {

// A GL 3.3 core context with no surface (EGL on Mesa's surfaceless platform): it needs no X
// server, so tests draw offscreen and in parallel. Null when EGL offers none.
// onSwap runs at every present (the headless window uses it to stand in for vertical sync);
// onUseAfterRelease runs whenever something tries to draw with it after its window released it.
std::shared_ptr<GlContext> CreateSurfacelessGlContext(std::function<int()> presentationRate,
                                                      std::function<void()> onSwap,
                                                      std::function<void()> onUseAfterRelease);

}  // namespace platform
