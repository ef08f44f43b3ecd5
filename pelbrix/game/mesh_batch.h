#pragma once
#include <vector>

#include "platform/render_device.h"

class Mesh;

// Draws many objects of the same meshes in list order with as few draw calls as the picture
// allows: objects that follow each other with the same one-material mesh go out as one
// instanced draw; the picture is exactly that of drawing each with Mesh::Draw in turn (opacity
// 1, ordinary blending). The instances live in storage made once, so drawing allocates nothing.
class MeshBatch {
 public:
  explicit MeshBatch(int capacity);
  // One object: the mesh at (x, y, z), unscaled, turned by the given turns about the vertical
  // axis.
  void Add(Mesh* mesh, float x, float y, float z, float turnsAboutY);
  // Draws what is waiting.
  void Flush();

 private:
  Mesh* mesh_ = nullptr;
  std::vector<platform::MeshInstance> instances_;
  size_t count_ = 0;
};
