#include "pelbrix/game/mesh_batch.h"

#include "pelbrix/mesh.h"

MeshBatch::MeshBatch(int capacity) : instances_(size_t(capacity)) {}

void MeshBatch::Add(Mesh* mesh, float x, float y, float z, float turnsAboutY) {
  if (mesh != mesh_ || count_ == instances_.size()) Flush();
  mesh_ = mesh;
  platform::MeshInstance& instance = instances_[count_++];
  instance.world = MeshWorldMatrix(x, y, z, 1, 1, 1, 0, turnsAboutY, 0, 15);
  instance.colorScale = {1, 1, 1, 1};
  instance.colorOffset = {0, 0, 0, 0};
}

void MeshBatch::Flush() {
  if (count_ > 0 && mesh_) mesh_->DrawInstances(instances_.data(), int(count_));
  count_ = 0;
}
