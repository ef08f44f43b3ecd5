#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/render_device.h"

// An image file as a texture. The loader stretches the picture to a power-of-two texture, so
// u, v from 0 to 1 always cover the whole picture; the picture's own size is kept beside the
// texture's, and the game draws pictures at their own size.
class Texture {
 public:
  // path is a game path (CP932, '\\'). A file that cannot be loaded leaves the texture absent
  // and all four sizes 0; drawing it then binds no texture.
  Texture(platform::RenderDevice* device, const std::string& path);

  // Draws the rectangle (x, y, width, height) in screen pixels with the texture rectangle
  // (u, v, du, dv), modulating texture colour and alpha by colour (0xAARRGGBB).
  void Draw(float x, float y, float width, float height, float u, float v, float du, float dv,
            uint32_t color);

  platform::RenderDevice* device;
  std::unique_ptr<platform::DeviceTexture> texture;
  int textureWidth = 0, textureHeight = 0;  // power-of-two rounded
  int imageWidth = 0, imageHeight = 0;      // as in the file
};

// One screen-space quad as a two-triangle strip: (x, y), (x + width, y), (x, y + height),
// (x + width, y + height) with the matching texture coordinates, z 0, rhw 1 and one colour.
// It changes no render state.
void DrawQuad(platform::RenderDevice* device, float x, float y, float width, float height,
              float u, float v, float du, float dv, uint32_t color);
