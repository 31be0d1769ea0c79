#include "graphics/ModelRecord.h"

#include <algorithm>

#include "graphics/Effect.h"
#include "graphics/TextureManager.h"
#include "platform/render/Buffers.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/VertexLayout.h"
#include "platform/xfile/Normals.h"

namespace xf = platform::xfile;

namespace {

// One vertex as the cel shader reads it: position, normal, texture coordinates.
struct MeshVertex {
  float position[3];
  float normal[3];
  float uv[2];
};

std::vector<MeshVertex> Interleave(const xf::MeshContainer& mesh, const std::vector<xf::Vec3>& positions,
                                   const std::vector<xf::Vec3>& normals) {
  std::vector<MeshVertex> out(positions.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const xf::Vec3& p = positions[i];
    const xf::Vec3 n = i < normals.size() ? normals[i] : xf::Vec3{};
    const std::array<float, 2> uv = i < mesh.texCoords.size() ? mesh.texCoords[i] : std::array<float, 2>{};
    out[i] = MeshVertex{{p.x, p.y, p.z}, {n.x, n.y, n.z}, {uv[0], uv[1]}};
  }
  return out;
}

}  // namespace

ModelRecord::ModelRecord(xf::Model model, platform::RenderDevice* device, TextureManager* textures)
    : model_(std::move(model)), textures_(textures) {
  for (const xf::MeshContainer& mesh : model_.meshes) {
    normals_.push_back(mesh.normals.size() == mesh.positions.size() ? mesh.normals
                                                                    : xf::ComputeNormals(mesh.positions, mesh.indices));
  }
  // The bone set-up walks the frames parents first: the first skinned mesh met is the one
  // that animates; any other skinned mesh is drawn as the file poses it.
  for (const xf::Frame& frame : model_.frames) {
    for (uint32_t m : frame.meshes) {
      if (skinnedMesh_ < 0 && m < model_.meshes.size() && !model_.meshes[m].bones.empty()) {
        skinnedMesh_ = static_cast<int32_t>(m);
      }
    }
  }
  if (skinnedMesh_ >= 0) boneFrames_ = xf::BindBones(model_, model_.meshes[skinnedMesh_]);
  sphere_ = xf::ComputeBoundingSphere(model_);
  xf::ComputeCombinedMatrices(model_.frames, combined_);
  if (device && textures) Upload(*device, textures);
  if (skinnedMesh_ >= 0) UpdateSkinning();
}

ModelRecord::~ModelRecord() {
  if (!textures_) return;
  for (GpuMesh& mesh : gpu_) {
    for (platform::Texture* texture : mesh.textures) {
      if (texture) textures_->Release(texture);
    }
  }
}

std::unique_ptr<ModelRecord> ModelRecord::Load(const std::string& path, platform::RenderDevice* device,
                                               TextureManager* textures, std::string* error) {
  xf::ReadResult read = xf::ReadModelFile(path);
  if (!read.model) {
    if (error) *error = read.error;
    return nullptr;
  }
  if (read.model->frames.empty()) {
    if (error) *error = "no frames";
    return nullptr;
  }
  return std::make_unique<ModelRecord>(std::move(*read.model), device, textures);
}

void ModelRecord::Upload(platform::RenderDevice& device, TextureManager* textures) {
  for (size_t m = 0; m < model_.meshes.size(); ++m) {
    const xf::MeshContainer& mesh = model_.meshes[m];
    GpuMesh gpu;
    for (const xf::Material& material : mesh.materials) {
      gpu.textures.push_back(material.textureFilename.empty() ? nullptr : textures->GetOrLoad(material.textureFilename));
    }
    // Triangles grouped by material so that each material is one draw.
    std::vector<uint32_t> sorted;
    sorted.reserve(mesh.indices.size());
    for (uint32_t material = 0; material < mesh.materials.size(); ++material) {
      const uint32_t first = static_cast<uint32_t>(sorted.size());
      for (size_t t = 0; t < mesh.TriangleCount(); ++t) {
        const uint32_t triangleMaterial = t < mesh.triangleMaterials.size() ? mesh.triangleMaterials[t] : 0;
        if (triangleMaterial != material) continue;
        sorted.insert(sorted.end(), mesh.indices.begin() + 3 * t, mesh.indices.begin() + 3 * t + 3);
      }
      const uint32_t count = static_cast<uint32_t>(sorted.size()) - first;
      if (count > 0) gpu.subsets.push_back(Subset{material, first, count / 3});
    }
    if (!mesh.positions.empty() && !sorted.empty()) {
      const std::vector<MeshVertex> vertices = Interleave(mesh, mesh.positions, normals_[m]);
      const bool skinned = static_cast<int32_t>(m) == skinnedMesh_;
      gpu.vertices = std::make_unique<platform::VertexBuffer>(
          device, vertices.size() * sizeof(MeshVertex),
          skinned ? platform::BufferUsage::Dynamic : platform::BufferUsage::Static, vertices.data());
      gpu.indices = std::make_unique<platform::IndexBuffer>(device, sorted.size(), true,
                                                            platform::BufferUsage::Static, sorted.data());
    }
    gpu_.push_back(std::move(gpu));
  }
}

std::unique_ptr<xf::AnimationController> ModelRecord::CloneController() const {
  if (!IsAnimated()) return nullptr;
  return std::make_unique<xf::AnimationController>(model_);
}

void ModelRecord::Animate(xf::AnimationController& controller, double seconds) {
  controller.AdvanceTime(seconds, model_.frames);
}

void ModelRecord::UpdateSkinning() {
  if (model_.frames.empty()) return;
  xf::ComputeCombinedMatrices(model_.frames, combined_);
  if (skinnedMesh_ < 0) return;
  const xf::MeshContainer& mesh = model_.meshes[skinnedMesh_];
  xf::SkinMesh(mesh, normals_[skinnedMesh_], boneFrames_, combined_, skinned_);
  WriteSkinnedVertices();
}

void ModelRecord::WriteSkinnedVertices() {
  if (skinnedMesh_ < 0 || static_cast<size_t>(skinnedMesh_) >= gpu_.size()) return;
  GpuMesh& gpu = gpu_[skinnedMesh_];
  if (!gpu.vertices) return;
  const std::vector<MeshVertex> vertices =
      Interleave(model_.meshes[skinnedMesh_], skinned_.positions, skinned_.normals);
  gpu.vertices->Write(0, vertices.data(), vertices.size() * sizeof(MeshVertex), true);
}

void ModelRecord::Draw(const DrawContext& context) {
  if (!context.device || !context.cel) return;
  platform::EffectProgram& cel = context.cel->Program();
  // Model materials always come with a texture: their own, a swap or the placeholder.
  cel.SetBool("useTexture", true);
  for (size_t m = 0; m < gpu_.size(); ++m) {
    const GpuMesh& gpu = gpu_[m];
    if (!gpu.vertices) continue;
    const std::vector<xf::Material>& materials = model_.meshes[m].materials;
    for (const Subset& subset : gpu.subsets) {
      const std::array<float, 4>& d = materials[subset.material].diffuse;
      context.cel->SetDiffuse(platform::Color{d[0], d[1], d[2], d[3]});
      platform::Texture* own = gpu.textures[subset.material];
      if (textureSwap && context.swap) {
        cel.SetTexture("baseTex", context.swap);
        cel.CommitChanges();
      } else {
        cel.SetTexture("baseTex", own ? own : context.placeholder);
        cel.CommitChanges();
        if (context.emblem) {
          if (own) context.emblem->Program().SetTexture("baseTex", own);
          context.emblem->Program().CommitChanges();
        }
      }
      context.device->DrawIndexedPrimitive(platform::PrimitiveType::TriangleList, *gpu.vertices, *gpu.indices,
                                           platform::VertexLayout::PositionNormalTexture(), 0,
                                           subset.firstIndex, subset.triangles);
    }
  }
}
