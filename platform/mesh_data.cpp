#include "platform/mesh_data.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

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

}  // namespace

bool LoadXMesh(const std::string& hostPath, MeshData& out) {
  out = MeshData();
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(hostPath, kImportSteps);
  if (!scene || !scene->mRootNode || scene->mNumMeshes == 0) return false;

  std::vector<std::vector<MeshVertex>> vertices(scene->mNumMaterials);
  std::vector<std::vector<uint32_t>> indices(scene->mNumMaterials);
  AppendNode(*scene, *scene->mRootNode, aiMatrix4x4(), vertices, indices);

  for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
    const aiMaterial& source = *scene->mMaterials[i];
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
  return true;
}

}  // namespace platform
