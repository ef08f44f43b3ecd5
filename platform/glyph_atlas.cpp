#include "platform/glyph_atlas.h"

#include <algorithm>

namespace platform {
namespace {

// Transparent texels between pictures, so that a filtered sample never reads a neighbour.
constexpr int kGap = 1;

}  // namespace

std::unique_ptr<GlyphAtlas> GlyphAtlas::Create(RenderDevice& device, int side) {
  if (side <= 0) return nullptr;
  auto texture = device.CreateTexture(Image(side, side, 0));
  if (!texture) return nullptr;
  return std::unique_ptr<GlyphAtlas>(new GlyphAtlas(device, std::move(texture), side));
}

GlyphAtlas::GlyphAtlas(RenderDevice& device, std::unique_ptr<DeviceTexture> texture, int side)
    : device_(device), texture_(std::move(texture)), texels_(side, side, 0) {}

bool GlyphAtlas::Add(const Image& picture, Slot& out) {
  const int side = texels_.width;
  if (picture.empty()) {
    out = {};
    return true;
  }
  if (picture.width > side || picture.height > side) return false;
  if (nextX_ + picture.width > side) {
    rowTop_ += rowHeight_ + kGap;
    rowHeight_ = 0;
    nextX_ = 0;
  }
  if (rowTop_ + picture.height > side) return false;
  out = {nextX_, rowTop_, picture.width, picture.height};
  for (int y = 0; y < picture.height; ++y)
    std::copy_n(&picture.pixels[size_t(y) * picture.width], picture.width,
                &texels_.at(out.x, out.y + y));
  nextX_ += picture.width + kGap;
  rowHeight_ = std::max(rowHeight_, picture.height);
  if (dirtyRight_ <= dirtyLeft_) {
    dirtyLeft_ = out.x;
    dirtyTop_ = out.y;
    dirtyRight_ = out.x + out.width;
    dirtyBottom_ = out.y + out.height;
  } else {
    dirtyLeft_ = std::min(dirtyLeft_, out.x);
    dirtyTop_ = std::min(dirtyTop_, out.y);
    dirtyRight_ = std::max(dirtyRight_, out.x + out.width);
    dirtyBottom_ = std::max(dirtyBottom_, out.y + out.height);
  }
  return true;
}

void GlyphAtlas::Clear() {
  std::fill(texels_.pixels.begin(), texels_.pixels.end(), 0u);
  rowTop_ = rowHeight_ = nextX_ = 0;
  dirtyLeft_ = dirtyTop_ = dirtyRight_ = dirtyBottom_ = 0;
}

bool GlyphAtlas::Upload() {
  if (dirtyRight_ <= dirtyLeft_ || dirtyBottom_ <= dirtyTop_) return true;
  Image changed(dirtyRight_ - dirtyLeft_, dirtyBottom_ - dirtyTop_);
  for (int y = 0; y < changed.height; ++y)
    std::copy_n(&texels_.at(dirtyLeft_, dirtyTop_ + y), changed.width, &changed.at(0, y));
  if (!device_.UpdateTexture(*texture_, dirtyLeft_, dirtyTop_, changed)) return false;
  dirtyLeft_ = dirtyTop_ = dirtyRight_ = dirtyBottom_ = 0;
  return true;
}

}  // namespace platform
