#pragma once
#include <memory>

#include "platform/gl/gl_context.h"
#include "platform/render_device.h"

namespace platform {

// The drawing device on OpenGL 3.3: a back buffer of its own (an offscreen framebuffer) and one
// shader program that reproduces the fixed-function pipeline the games use. Null when the
// context cannot be made current or lacks what the device needs. The device, its textures and
// its meshes share the context (see GlContext for what happens when the window goes first).
std::unique_ptr<RenderDevice> CreateGlRenderDevice(std::shared_ptr<GlContext> context,
                                                   int backBufferWidth, int backBufferHeight);

}  // namespace platform
