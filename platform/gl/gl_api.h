#pragma once
// The GL the drawing device is written against: OpenGL 3.3 core on the desktop (through
// libepoxy) and OpenGL ES 3.0 in the browser (WebGL 2). The device uses only what both have;
// the few calls whose names differ are wrapped here.
#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
#else
#include <epoxy/gl.h>
#endif

namespace platform {

// The first lines of every shader: its language version and, for ES, default precisions.
#ifdef __EMSCRIPTEN__
inline constexpr const char* kShaderPrologue =
    "#version 300 es\nprecision highp float;\nprecision highp int;\nprecision highp sampler2D;\n";
inline void GlClearDepth(float depth) { glClearDepthf(depth); }
inline void GlDepthRange(float nearZ, float farZ) { glDepthRangef(nearZ, farZ); }
#else
inline constexpr const char* kShaderPrologue = "#version 330 core\n";
inline void GlClearDepth(float depth) { glClearDepth(depth); }
inline void GlDepthRange(float nearZ, float farZ) { glDepthRange(nearZ, farZ); }
#endif

}  // namespace platform
