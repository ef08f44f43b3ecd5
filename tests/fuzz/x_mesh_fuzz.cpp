// libFuzzer target: any bytes as a .x mesh. A mesh that loads is whole: every index names a
// vertex, the subsets lie within the indices, one material per subset.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/mesh_data.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  platform::MeshData mesh;
  if (!platform::DecodeXMesh(bytes, mesh)) {
    Check(mesh.vertices.empty() && mesh.indices.empty() && mesh.subsets.empty());
    return 0;
  }
  Check(mesh.subsets.size() == mesh.materials.size());
  Check(mesh.indices.size() % 3 == 0);
  for (uint32_t index : mesh.indices) Check(index < mesh.vertices.size());
  for (const platform::MeshData::Subset& subset : mesh.subsets)
    Check(uint64_t(subset.firstIndex) + subset.indexCount <= mesh.indices.size());
  return 0;
}
