#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

#include "platform/dds.h"
#include "platform/dds_header.h"
#include "platform/file_read.h"

namespace platform {

namespace {

// The file's extension, for the one format the image library cannot tell by its bytes (TGA).
std::string ExtensionOf(const std::string& hostPath) {
  size_t dot = hostPath.rfind('.');
  size_t slash = hostPath.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return hostPath.substr(dot + 1);
}

bool DecodeWithImageLibrary(const std::string& bytes, const std::string& typeHint, Image& out) {
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  if (!stream) return false;
  SDL_Surface* loaded = IMG_LoadTyped_RW(stream, 1, typeHint.c_str());
  if (!loaded) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return false;
  Image image(argb->w, argb->h);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        size_t(y) * argb->pitch);
    std::copy(row, row + argb->w, image.pixels.begin() + size_t(y) * argb->w);
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  out = std::move(image);
  return true;
}

}  // namespace

bool LoadImageFile(const std::string& hostPath, Image& out) {
  out = Image();
  std::string bytes;
  if (!ReadWholeFile(hostPath, bytes)) return false;
  // DDS is told by its magic, whatever the file is called; the image library has no reader
  // for it.
  if (HasDdsMagic(bytes)) return DecodeDds(bytes, out);
  return DecodeWithImageLibrary(bytes, ExtensionOf(hostPath), out);
}

bool SavePng(const std::string& hostPath, const Image& image) {
  if (image.empty()) return false;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(image.pixels.data()), image.width, image.height, 32,
      image.width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return false;
  bool ok = IMG_SavePNG(surface, hostPath.c_str()) == 0;
  SDL_FreeSurface(surface);
  return ok;
}

int NextPowerOfTwo(int n) {
  int p = 1;
  while (p < n) p <<= 1;
  return p;
}

Image ResizeImage(const Image& image, int width, int height) {
  if (image.width == width && image.height == height) return image;
  Image out(width, height);
  if (image.empty()) return out;
  // Sample positions map pixel centres onto pixel centres, so edges stay where they were.
  float sx = float(image.width) / width, sy = float(image.height) / height;
  for (int y = 0; y < height; ++y) {
    float fy = std::max(0.0f, (y + 0.5f) * sy - 0.5f);
    int y0 = std::min(int(fy), image.height - 1), y1 = std::min(y0 + 1, image.height - 1);
    float ty = fy - y0;
    for (int x = 0; x < width; ++x) {
      float fx = std::max(0.0f, (x + 0.5f) * sx - 0.5f);
      int x0 = std::min(int(fx), image.width - 1), x1 = std::min(x0 + 1, image.width - 1);
      float tx = fx - x0;
      uint32_t p00 = image.at(x0, y0), p10 = image.at(x1, y0);
      uint32_t p01 = image.at(x0, y1), p11 = image.at(x1, y1);
      uint32_t result = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        float top = ((p00 >> shift) & 255) * (1 - tx) + ((p10 >> shift) & 255) * tx;
        float bottom = ((p01 >> shift) & 255) * (1 - tx) + ((p11 >> shift) & 255) * tx;
        auto channel = uint32_t(std::lround(top * (1 - ty) + bottom * ty));
        result |= std::min<uint32_t>(channel, 255) << shift;
      }
      out.at(x, y) = result;
    }
  }
  return out;
}

}  // namespace platform
