#pragma once
#include <cstdint>

#include "platform/d3d_math.h"

namespace platform {

// Colours as fixed-function lighting uses them: four floats, nominally 0 to 1.
struct ColorValue {
  float r = 0, g = 0, b = 0, a = 0;
};
ColorValue ColorFromArgb(uint32_t argb);

struct Material {
  ColorValue diffuse;
  ColorValue ambient;
  ColorValue specular;
  ColorValue emissive;
  float power = 0;
};

enum class LightType { Point = 1, Spot = 2, Directional = 3 };

// One light source. Only directional lights are rendered: a point or spot light lights nothing.
struct Light {
  LightType type = LightType::Directional;
  ColorValue diffuse;
  ColorValue specular;
  ColorValue ambient;
  Vector3 position;
  Vector3 direction;
  float range = 0;
};

// A rectangle of the back buffer in pixels (top-left origin) with its depth range.
struct Viewport {
  int x = 0, y = 0, width = 0, height = 0;
  float minZ = 0, maxZ = 1;
};

enum class BlendFactor {
  Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha,
  DestAlpha, InvDestAlpha, DestColor, InvDestColor,
};
enum class CompareFunc { Never, Less, Equal, LessEqual, Greater, NotEqual, GreaterEqual, Always };
// Which faces are dropped, by their winding as seen on the screen.
enum class CullMode { None, Clockwise, CounterClockwise };
enum class TextureOp { Modulate, SelectTexture, SelectDiffuse };  // of texture and diffuse
enum class TextureFilter { None, Point, Linear };
enum class PrimitiveType { TriangleList, TriangleStrip, TriangleFan };

// A pretransformed vertex: x, y in back-buffer pixels (top-left origin), z the depth 0..1,
// rhw = 1/w; colour 0xAARRGGBB; texture coordinates. It is never lit or transformed.
struct ScreenVertex {
  float x, y, z, rhw;
  uint32_t color;
  float u, v;
};
static_assert(sizeof(ScreenVertex) == 28, "screen vertices are 28 bytes, as the games fill them");

}  // namespace platform
