#include "pelbrix/mesh.h"

#include "platform/game_path.h"
#include "platform/mesh_data.h"

namespace {

enum Axis { X, Y, Z, None };

// The rotations of each order code, first to last.
constexpr Axis kRotationOrders[16][3] = {
    {None, None, None}, {X, None, None}, {Y, None, None}, {Z, None, None},
    {X, Y, None},       {X, Z, None},    {Y, X, None},    {Y, Z, None},
    {Z, X, None},       {Z, Y, None},    {X, Y, Z},       {X, Z, Y},
    {Y, X, Z},          {Y, Z, X},       {Z, X, Y},       {Z, Y, X},
};

platform::ColorValue Scaled(const platform::ColorValue& c, const platform::ColorValue& s) {
  return {c.r * s.r, c.g * s.g, c.b * s.b, c.a * s.a};
}

}  // namespace

platform::Matrix MeshWorldMatrix(float px, float py, float pz, float sx, float sy, float sz,
                                 float rx, float ry, float rz, int order) {
  platform::Matrix world = platform::MatrixScaling(sx, sy, sz);
  if (order >= 0 && order < 16) {
    for (Axis axis : kRotationOrders[order]) {
      if (axis == X) world = world * platform::MatrixRotationX(rx * platform::kTwoPi);
      if (axis == Y) world = world * platform::MatrixRotationY(ry * platform::kTwoPi);
      if (axis == Z) world = world * platform::MatrixRotationZ(rz * platform::kTwoPi);
    }
  }
  return world * platform::MatrixTranslation(px, py, pz);
}

Mesh::Mesh(platform::RenderDevice* d, const std::string& path) : device(d) {
  platform::MeshData data;
  if (!device || !platform::LoadXMesh(platform::HostPath(path), data)) return;
  mesh = device->CreateMesh(data);
  if (!mesh) return;
  std::string folder = platform::GameFolderOf(path);
  for (const platform::MeshMaterial& source : data.materials) {
    platform::Material material;
    material.diffuse = source.diffuse;
    material.ambient = source.diffuse;  // the models are lit by ambient light in their own colour
    material.specular = source.specular;
    material.emissive = source.emissive;
    material.power = source.power;
    materials.push_back(material);
    textures.push_back(source.textureFile.empty()
                           ? nullptr
                           : std::make_unique<Texture>(device, folder + source.textureFile));
  }
  materialCount = uint32_t(materials.size());
}

void Mesh::Draw(float px, float py, float pz, float sx, float sy, float sz, float rx, float ry,
                float rz, int order, float alpha, bool additive) {
  if (!device) return;
  colorScale = {1, 1, 1, alpha};
  colorOffset = {0, 0, 0, 0};
  device->state.blendEnabled = true;
  device->state.srcBlend = platform::BlendFactor::SrcAlpha;
  device->state.destBlend = additive ? platform::BlendFactor::One : platform::BlendFactor::InvSrcAlpha;
  device->state.world = MeshWorldMatrix(px, py, pz, sx, sy, sz, rx, ry, rz, order);
  Render();
}

void Mesh::Render() {
  if (!device || !mesh) return;
  for (uint32_t i = 0; i < materialCount; ++i) {
    platform::Material m = materials[i];
    m.diffuse = Scaled(m.diffuse, colorScale);
    m.ambient = Scaled(m.ambient, colorScale);
    m.specular = Scaled(m.specular, colorScale);
    m.emissive = Scaled(m.emissive, colorScale);
    m.emissive = {m.emissive.r + colorOffset.r, m.emissive.g + colorOffset.g,
                  m.emissive.b + colorOffset.b, m.emissive.a + colorOffset.a};
    device->state.material = m;
    device->state.texture = textures[i] ? textures[i]->texture.get() : nullptr;
    device->DrawMeshSubset(*mesh, int(i));
  }
}

void Mesh::DrawInstances(const platform::MeshInstance* instances, int count) {
  if (!device || !mesh || count <= 0) return;
  device->state.blendEnabled = true;
  device->state.srcBlend = platform::BlendFactor::SrcAlpha;
  device->state.destBlend = platform::BlendFactor::InvSrcAlpha;
  if (materialCount == 1) {
    device->state.material = materials[0];
    device->state.texture = textures[0] ? textures[0]->texture.get() : nullptr;
    device->DrawMeshSubsetInstances(*mesh, 0, instances, count);
    device->state.world = instances[count - 1].world;  // as the last Draw leaves it
    colorScale = instances[count - 1].colorScale;
    colorOffset = instances[count - 1].colorOffset;
    return;
  }
  for (int i = 0; i < count; ++i) {
    colorScale = instances[i].colorScale;
    colorOffset = instances[i].colorOffset;
    device->state.world = instances[i].world;
    Render();
  }
}
