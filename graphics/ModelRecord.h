#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/xfile/AnimationController.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Skinning.h"

namespace platform {
class RenderDevice;
class Texture;
class VertexBuffer;
class IndexBuffer;
}  // namespace platform
class Effect;
class TextureManager;
struct MeshInfo;

// One loaded model file, shared by every model component that shows it: the frame hierarchy,
// the meshes on the GPU with one subset per material, the bone set-up of the first skinned
// mesh, the bounding sphere and the animation sets. Each component animates through its own
// controller clone, which writes the frame matrices of this shared hierarchy just before that
// component skins and draws; everything runs on the one thread, so sharing is safe.
class ModelRecord {
 public:
  // What the draw takes from the graphics system; null members are skipped.
  struct DrawContext {
    platform::RenderDevice* device = nullptr;
    Effect* cel = nullptr;
    Effect* emblem = nullptr;
    const platform::Texture* placeholder = nullptr;
    // The texture of the current swap entry, or null for "none".
    const platform::Texture* swap = nullptr;
  };

  // Takes a model that has been read; builds normals where the file has none, binds the bones
  // and measures the model. Without a device (or textures) nothing goes to the GPU.
  ModelRecord(platform::xfile::Model model, platform::RenderDevice* device, TextureManager* textures);
  ~ModelRecord();
  ModelRecord(const ModelRecord&) = delete;
  ModelRecord& operator=(const ModelRecord&) = delete;

  // Reads a model file; null with `error` set when it cannot be read.
  static std::unique_ptr<ModelRecord> Load(const std::string& path, platform::RenderDevice* device,
                                           TextureManager* textures, std::string* error);

  // A controller of its own for one user, on animation set 0; null when the model has no sets.
  std::unique_ptr<platform::xfile::AnimationController> CloneController() const;
  // Advances a user's controller over the shared frames (the frames it animates change).
  void Animate(platform::xfile::AnimationController& controller, double seconds);
  // Recomputes the combined frame matrices and skins the first skinned mesh.
  void UpdateSkinning();
  // Draws every mesh, material by material, inside a pass the caller has begun.
  void Draw(const DrawContext& context);

  const platform::xfile::Model& GetModel() const { return model_; }

  const platform::xfile::BoundingSphere& GetBoundingSphere() const { return sphere_; }
  // The frame of that name, or -1.
  int32_t FindFrame(const std::string& name) const { return model_.FindFrame(name); }
  const platform::xfile::Matrix& GetCombinedMatrix(int32_t frame) const { return combined_[frame]; }
  bool IsAnimated() const { return !model_.animationSets.empty(); }
  uint32_t GetAnimationSetCapacity() const { return static_cast<uint32_t>(model_.animationSets.size()); }
  // The skinned mesh's vertices as last skinned; empty for a model without skin.
  const platform::xfile::SkinnedVertices& GetSkinnedVertices() const { return skinned_; }
  // The index of the first skinned mesh, or -1.
  int32_t GetSkinnedMesh() const { return skinnedMesh_; }
  const std::vector<int32_t>& GetBoneFrames() const { return boneFrames_; }
  // Most bones of the skinned mesh.
  uint32_t GetBoneCount() const { return static_cast<uint32_t>(boneFrames_.size()); }

  // The record of the model's placement and size, kept by the graphics system.
  MeshInfo* meshInfo = nullptr;
  // When set the draw takes textures from the model's texture-swap list, the entry at the index
  // (the outfit); an index past the list keeps the model's own textures.
  bool textureSwap = false;
  size_t textureSwapIndex = 0;

 private:
  struct Subset {
    uint32_t material;
    uint32_t firstIndex;
    uint32_t triangles;
  };
  struct GpuMesh {
    std::unique_ptr<platform::VertexBuffer> vertices;
    std::unique_ptr<platform::IndexBuffer> indices;
    std::vector<Subset> subsets;
    std::vector<platform::Texture*> textures;  // per material, null when it names none
  };

  void Upload(platform::RenderDevice& device, TextureManager* textures);
  void WriteSkinnedVertices();

  platform::xfile::Model model_;
  std::vector<std::vector<platform::xfile::Vec3>> normals_;  // per mesh, the file's or computed
  std::vector<platform::xfile::Matrix> combined_;
  platform::xfile::BoundingSphere sphere_;
  int32_t skinnedMesh_ = -1;
  std::vector<int32_t> boneFrames_;
  platform::xfile::SkinnedVertices skinned_;
  std::vector<GpuMesh> gpu_;
  TextureManager* textures_ = nullptr;
};
