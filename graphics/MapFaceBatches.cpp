#include "graphics/MapFaceBatches.h"

#include <algorithm>
#include <cstddef>

namespace {

// The indices a face is drawn with: its whole triangles, and none for a face type that is
// not drawn.
uint32_t DrawnIndexCount(const BspFace& face) {
  if (face.type != kFacePolygon && face.type != kFaceMesh) return 0;
  return uint32_t(face.meshVertexCount / 3 * 3);
}

}  // namespace

MapFaceBatches::MapFaceBatches(platform::RenderDevice& device, const BspData& map, const MapRenderData& data) {
  // The 16-bit offsets stand for every mesh vertex, or the map is not drawn (MapRenderData).
  if (data.GetIndices().size() != map.meshVertices.size()) return;
  // A face is queued at most once per walk, so all faces together bound the list.
  size_t capacity = 0;
  for (const BspFace& face : map.faces) capacity += DrawnIndexCount(face);
  if (capacity == 0) return;
  buffer_ = std::make_unique<platform::IndexBuffer>(device, capacity, true, platform::BufferUsage::Dynamic);
  indices_.reserve(capacity);
}

void MapFaceBatches::Update(const BspData& map, const MapRenderData& data, const VisibleFaceWalk& walk) {
  if (walk.Generation() == builtGeneration_ || !buffer_) return;
  Build(map, data, walk);
  builtGeneration_ = walk.Generation();
}

std::span<const MapFaceBatches::Face> MapFaceBatches::FacesOf(size_t texture) const {
  if (texture + 1 >= textureStarts_.size()) return {};
  return {faces_.data() + textureStarts_[texture], faces_.data() + textureStarts_[texture + 1]};
}

void MapFaceBatches::Build(const BspData& map, const MapRenderData& data, const VisibleFaceWalk& walk) {
  const std::vector<std::vector<QueuedFace>>& lists = walk.Lists();
  const std::vector<TextureRenderFlags>& flags = data.GetTextureFlags();
  const std::vector<uint16_t>& offsets = data.GetIndices();
  faces_.clear();
  indices_.clear();
  textureStarts_.assign(lists.size() + 1, 0);
  for (size_t t = 0; t < lists.size(); ++t) {
    textureStarts_[t] = uint32_t(faces_.size());
    // Sorting keys of lightmap and place in the walk's list keep the walk's order among the
    // faces of one lightmap; an alpha texture keeps the list as it is.
    const std::vector<QueuedFace>& list = lists[t];
    const bool byLightmap = t < flags.size() && !flags[t].alpha;
    order_.clear();
    for (size_t i = 0; i < list.size(); ++i) {
      const uint32_t lightmap = byLightmap ? uint32_t(map.faces[size_t(list[i].face)].lightmap) + 1u : 0u;
      order_.push_back(uint64_t(lightmap) << 32 | i);
    }
    std::sort(order_.begin(), order_.end());
    const ptrdiff_t begin = ptrdiff_t(faces_.size());
    for (uint64_t key : order_) faces_.push_back({list[size_t(key & 0xFFFFFFFFu)].face, 0, 0});
    for (auto f = faces_.begin() + begin; f != faces_.end(); ++f) {
      const BspFace& face = map.faces[size_t(f->face)];
      const size_t first = indices_.size();
      f->firstIndex = uint32_t(first);
      const uint32_t count = DrawnIndexCount(face);
      if (first + count > buffer_->Count()) continue;
      indices_.resize(first + count);
      const uint16_t* offset = offsets.data() + face.firstMeshVertex;
      for (uint32_t k = 0; k < count; ++k) indices_[first + k] = uint32_t(face.firstVertex) + offset[k];
      f->indexCount = count;
    }
  }
  textureStarts_.back() = uint32_t(faces_.size());
  if (!indices_.empty()) buffer_->Write(0, indices_.data(), indices_.size(), true);
}
