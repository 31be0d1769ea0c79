#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "map/BspData.h"
#include "map/MapRenderData.h"
#include "map/VisibleFaceWalk.h"
#include "platform/render/Buffers.h"

namespace platform {
class RenderDevice;
}

// The visible faces laid out for drawing in few calls: one 32-bit index list on the graphics
// card holding, texture by texture, the whole triangles of every queued face with absolute
// vertex numbers, so that faces next to each other in it draw as one range. Within an opaque
// texture the faces are grouped by lightmap (the depth buffer makes their order free); an alpha
// texture keeps the walk's far-to-near order, which its blending needs. The list is rebuilt
// only when the walk's visible set changes, so a still camera or locked visibility costs no
// upload.
class MapFaceBatches {
 public:
  // One queued face and its whole triangles in the index list; faces that are not drawn
  // (types other than polygon and mesh) take no indices but stay listed for the counters.
  struct Face {
    int32_t face;
    uint32_t firstIndex;
    uint32_t indexCount;
  };

  // Sizes the index list for every face of the map once; a map without indices (or without
  // faces to draw) gets none and is not drawn.
  MapFaceBatches(platform::RenderDevice& device, const BspData& map, const MapRenderData& data);

  // Lays out the walk's lists again when they changed since the last layout.
  void Update(const BspData& map, const MapRenderData& data, const VisibleFaceWalk& walk);

  // The queued faces of one map texture in drawing order.
  std::span<const Face> FacesOf(size_t texture) const;
  // Null when the map has nothing to draw.
  const platform::IndexBuffer* Indices() const { return buffer_.get(); }

 private:
  void Build(const BspData& map, const MapRenderData& data, const VisibleFaceWalk& walk);

  std::unique_ptr<platform::IndexBuffer> buffer_;
  std::vector<Face> faces_;
  // Per map texture: where its faces begin in faces_; one more entry marks the end.
  std::vector<uint32_t> textureStarts_;
  std::vector<uint32_t> indices_;
  std::vector<uint64_t> order_;  // sorting scratch, kept for its memory
  uint64_t builtGeneration_ = 0;
};
