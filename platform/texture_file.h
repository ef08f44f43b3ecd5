#pragma once
#include <memory>
#include <string>

#include "platform/render_device.h"

namespace platform {

// A picture file loaded as the games' Direct3D texture loader does it: the picture is stretched
// to the next power-of-two size, so u, v from 0 to 1 cover the whole picture, and the picture's
// own size is kept beside the texture's (the games draw pictures at their own size).
struct LoadedTexture {
  std::unique_ptr<DeviceTexture> texture;
  int textureWidth = 0, textureHeight = 0;  // pixels, powers of two
  int imageWidth = 0, imageHeight = 0;      // pixels, as in the file
};

// Reads any picture LoadImageFile reads (png, bmp, dds, ...). False, with out empty (no texture,
// all sizes 0), when the file cannot be read as a picture or the device makes no texture.
bool LoadTextureFile(RenderDevice& device, const std::string& hostPath, LoadedTexture& out);

}  // namespace platform
