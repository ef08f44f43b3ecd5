#include "pelbrix/texture.h"

#include "platform/game_path.h"
#include "platform/texture_file.h"

Texture::Texture(platform::RenderDevice* d, const std::string& path) : device(d) {
  platform::LoadedTexture loaded;
  if (!device || !platform::LoadTextureFile(*device, platform::HostPath(path), loaded)) return;
  texture = std::move(loaded.texture);
  textureWidth = loaded.textureWidth;
  textureHeight = loaded.textureHeight;
  imageWidth = loaded.imageWidth;
  imageHeight = loaded.imageHeight;
}

void Texture::Draw(float x, float y, float width, float height, float u, float v, float du,
                   float dv, uint32_t color) {
  if (!device) return;
  device->state.colorOp = platform::TextureOp::Modulate;
  device->state.alphaOp = platform::TextureOp::Modulate;
  device->state.texture = texture.get();
  DrawQuad(device, x, y, width, height, u, v, du, dv, color);
}

void DrawQuad(platform::RenderDevice* device, float x, float y, float width, float height,
              float u, float v, float du, float dv, uint32_t color) {
  if (!device) return;
  const platform::ScreenVertex quad[4] = {
      {x, y, 0, 1, color, u, v},
      {x + width, y, 0, 1, color, u + du, v},
      {x, y + height, 0, 1, color, u, v + dv},
      {x + width, y + height, 0, 1, color, u + du, v + dv},
  };
  device->DrawScreenPrimitive(platform::PrimitiveType::TriangleStrip, quad, 4);
}
