#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pelbrix/texture.h"
#include "platform/d3d_math.h"
#include "platform/render_device.h"

// The world matrix of a mesh drawn at position p with scale s and angles r in turns (1.0 is a
// full circle): scale, then the rotations that the order code names, then the translation.
//   order  rotations (first to last)      order  rotations
//   0      none (also every code > 15)    8      Z, X
//   1      X                              9      Z, Y
//   2      Y                              10     X, Y, Z
//   3      Z                              11     X, Z, Y
//   4      X, Y                           12     Y, X, Z
//   5      X, Z                           13     Y, Z, X
//   6      Y, X                           14     Z, X, Y
//   7      Y, Z                           15     Z, Y, X
platform::Matrix MeshWorldMatrix(float px, float py, float pz, float sx, float sy, float sz,
                                 float rx, float ry, float rz, int order);

// A .x model with its materials and their textures.
class Mesh {
 public:
  // path is a game path. Material textures are read from the mesh file's own folder. A file
  // that cannot be loaded gives a mesh with no materials, which draws nothing.
  Mesh(platform::RenderDevice* device, const std::string& path);

  // Draws the mesh with alpha as its opacity, blended over what is there (additively when
  // additive is set).
  void Draw(float px, float py, float pz, float sx, float sy, float sz, float rx, float ry,
            float rz, int order, float alpha, bool additive);
  // Draws every subset with the current world matrix, each with its material scaled by the
  // colour scale (emissive also shifted by the offset) and its texture.
  void Render();
  // The same pixels as Draw for each instance in turn (ordinary blending, each instance's
  // world matrix, colour scale and offset): a mesh of one material in one instanced draw, one
  // of more materials instance by instance (its subsets must keep their order per object).
  void DrawInstances(const platform::MeshInstance* instances, int count);

  platform::RenderDevice* device;
  std::unique_ptr<platform::DeviceMesh> mesh;
  uint32_t materialCount = 0;
  std::vector<platform::Material> materials;
  std::vector<std::unique_ptr<Texture>> textures;  // null where a material has none
  platform::ColorValue colorScale{1, 1, 1, 1};
  platform::ColorValue colorOffset{0, 0, 0, 0};
};
