#include "pelbrix/texture.h"

#include "platform/game_path.h"
#include "platform/image.h"

Texture::Texture(platform::RenderDevice* d, const std::string& path) : device(d) {
  platform::Image image;
  if (!device || !platform::LoadImageFile(platform::HostPath(path), image)) return;
  int width = platform::NextPowerOfTwo(image.width);
  int height = platform::NextPowerOfTwo(image.height);
  texture = device->CreateTexture(platform::ResizeImage(image, width, height));
  if (!texture) return;
  textureWidth = width;
  textureHeight = height;
  imageWidth = image.width;
  imageHeight = image.height;
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
