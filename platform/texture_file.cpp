#include "platform/texture_file.h"

#include "platform/image.h"

namespace platform {

bool LoadTextureFile(RenderDevice& device, const std::string& hostPath, LoadedTexture& out) {
  out = LoadedTexture();
  Image image;
  if (!LoadImageFile(hostPath, image)) return false;
  int width = NextPowerOfTwo(image.width);
  int height = NextPowerOfTwo(image.height);
  std::unique_ptr<DeviceTexture> texture = device.CreateTexture(ResizeImage(image, width, height));
  if (!texture) return false;
  out.texture = std::move(texture);
  out.textureWidth = width;
  out.textureHeight = height;
  out.imageWidth = image.width;
  out.imageHeight = image.height;
  return true;
}

}  // namespace platform
