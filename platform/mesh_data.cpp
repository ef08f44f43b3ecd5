#include "platform/mesh_data.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "platform/file_read.h"
#include "platform/x_file_check.h"

namespace platform {
namespace {

// assimp's .x importer turns the file's left-handed data into right-handed data: it negates z,
// reverses each face's winding and flips v. These three steps undo exactly that, so the game
// sees the file's own coordinates, its clockwise faces and its texture coordinates.
constexpr unsigned kUndoRightHanded =
    aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder | aiProcess_FlipUVs;
constexpr unsigned kImportSteps = kUndoRightHanded | aiProcess_Triangulate;

ColorValue Color(const aiMaterial& material, const char* key, unsigned type, unsigned index,
                 ColorValue fallback) {
  aiColor4D c;
  if (aiGetMaterialColor(&material, key, type, index, &c) != AI_SUCCESS) return fallback;
  return {c.r, c.g, c.b, c.a};
}

void AppendNode(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
                std::vector<std::vector<MeshVertex>>& vertices,
                std::vector<std::vector<uint32_t>>& indices) {
  aiMatrix4x4 transform = parent * node.mTransformation;
  aiMatrix3x3 normalTransform(transform);
  normalTransform.Inverse().Transpose();
  for (unsigned m = 0; m < node.mNumMeshes; ++m) {
    const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
    auto& v = vertices[mesh.mMaterialIndex];
    auto& ix = indices[mesh.mMaterialIndex];
    auto base = uint32_t(v.size());
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
      aiVector3D p = transform * mesh.mVertices[i];
      aiVector3D n = mesh.mNormals ? (normalTransform * mesh.mNormals[i]).Normalize() : aiVector3D();
      aiVector3D uv = mesh.mTextureCoords[0] ? mesh.mTextureCoords[0][i] : aiVector3D();
      v.push_back({p.x, p.y, p.z, n.x, n.y, n.z, uv.x, uv.y});
    }
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
      const aiFace& face = mesh.mFaces[f];
      if (face.mNumIndices != 3) continue;  // points and lines left by triangulation
      for (unsigned k = 0; k < 3; ++k) ix.push_back(base + face.mIndices[k]);
    }
  }
  for (unsigned c = 0; c < node.mNumChildren; ++c)
    AppendNode(scene, *node.mChildren[c], transform, vertices, indices);
}

// Whether the scene is whole as the code below reads it: every array it walks present, every
// face index within its mesh's vertices, every material index within the materials, every node's
// mesh index within the meshes. An importer can hand back a scene that breaks these for a
// malformed file, and reading it as it is would go out of bounds.
bool NodeIsSound(const aiScene& scene, const aiNode& node, int depth) {
  // Deeper nesting than any model has would only exhaust the stack of the recursive walk.
  constexpr int kMaxFrameDepth = 256;
  if (depth > kMaxFrameDepth) return false;
  if (node.mNumMeshes > 0 && !node.mMeshes) return false;
  for (unsigned m = 0; m < node.mNumMeshes; ++m)
    if (node.mMeshes[m] >= scene.mNumMeshes) return false;
  if (node.mNumChildren > 0 && !node.mChildren) return false;
  for (unsigned c = 0; c < node.mNumChildren; ++c)
    if (!node.mChildren[c] || !NodeIsSound(scene, *node.mChildren[c], depth + 1)) return false;
  return true;
}

bool MeshIsSound(const aiScene& scene, const aiMesh& mesh) {
  if (mesh.mMaterialIndex >= scene.mNumMaterials) return false;
  if (mesh.mNumVertices > 0 && !mesh.mVertices) return false;
  if (mesh.mNumFaces > 0 && !mesh.mFaces) return false;
  for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
    const aiFace& face = mesh.mFaces[f];
    if (face.mNumIndices > 0 && !face.mIndices) return false;
    for (unsigned k = 0; k < face.mNumIndices; ++k)
      if (face.mIndices[k] >= mesh.mNumVertices) return false;
  }
  return true;
}

bool SceneIsSound(const aiScene& scene) {
  if (!scene.mRootNode || scene.mNumMeshes == 0 || !scene.mMeshes) return false;
  if (scene.mNumMaterials == 0 || !scene.mMaterials) return false;
  for (unsigned i = 0; i < scene.mNumMaterials; ++i)
    if (!scene.mMaterials[i]) return false;
  for (unsigned i = 0; i < scene.mNumMeshes; ++i)
    if (!scene.mMeshes[i] || !MeshIsSound(scene, *scene.mMeshes[i])) return false;
  return NodeIsSound(scene, *scene.mRootNode, 0);
}

void ConvertScene(const aiScene& scene, MeshData& out) {
  std::vector<std::vector<MeshVertex>> vertices(scene.mNumMaterials);
  std::vector<std::vector<uint32_t>> indices(scene.mNumMaterials);
  AppendNode(scene, *scene.mRootNode, aiMatrix4x4(), vertices, indices);

  for (unsigned i = 0; i < scene.mNumMaterials; ++i) {
    const aiMaterial& source = *scene.mMaterials[i];
    MeshMaterial material;
    material.diffuse = Color(source, AI_MATKEY_COLOR_DIFFUSE, material.diffuse);
    material.specular = Color(source, AI_MATKEY_COLOR_SPECULAR, material.specular);
    material.emissive = Color(source, AI_MATKEY_COLOR_EMISSIVE, material.emissive);
    aiGetMaterialFloat(&source, AI_MATKEY_SHININESS, &material.power);
    aiString texture;
    if (source.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS)
      material.textureFile = texture.C_Str();
    out.materials.push_back(material);

    auto base = uint32_t(out.vertices.size());
    MeshData::Subset subset;
    subset.firstIndex = uint32_t(out.indices.size());
    subset.indexCount = uint32_t(indices[i].size());
    out.vertices.insert(out.vertices.end(), vertices[i].begin(), vertices[i].end());
    for (uint32_t index : indices[i]) out.indices.push_back(base + index);
    out.subsets.push_back(subset);
  }
}

}  // namespace

bool DecodeXMesh(std::string_view bytes, MeshData& out) {
  out = MeshData();
  if (bytes.empty() || !XFileIsSound(bytes)) return false;
  try {
    Assimp::Importer importer;
    const aiScene* scene =
        importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportSteps, "x");
    if (!scene || !SceneIsSound(*scene)) return false;
    ConvertScene(*scene, out);
    return true;
  } catch (...) {
    // The importer reports failures by its result; anything that still escapes it (running
    // out of memory on a hostile file) is a refused file too.
    out = MeshData();
    return false;
  }
}

bool LoadXMesh(const std::string& hostPath, MeshData& out) {
  out = MeshData();
  std::string bytes;
  if (!ReadWholeFile(hostPath, bytes)) return false;
  return DecodeXMesh(bytes, out);
}

}  // namespace platform
