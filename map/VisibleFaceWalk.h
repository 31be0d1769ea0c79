#pragma once
#include <cstdint>
#include <vector>

#include "map/BspData.h"
#include "map/MapTextures.h"
#include "platform/math/Vector.h"

namespace platform {
class Frustum;
}  // namespace platform

// One face waiting to be drawn and the leaf that queued it.
struct QueuedFace {
  int32_t face;
  int32_t leaf;
  bool operator==(const QueuedFace&) const = default;
};

// The faces the camera may see, one list per map texture: the BSP tree walked from the root,
// subtrees outside the view frustum skipped, leaves whose cluster the camera's cluster cannot
// see (by the potentially visible set) skipped. Within a list faces run from the far side of
// each plane to the near side. A face is queued once however many leaves hold it: its mark in
// `queued` stays set until the drawing clears it.
class VisibleFaceWalk {
 public:
  // Empties the lists and walks the tree from node 0 seen from `eye` in `cameraCluster`.
  // `queued` holds one mark per face; `flags` one entry per map texture.
  void Collect(const BspData& map, const std::vector<TextureRenderFlags>& flags, const platform::Frustum& frustum,
               const platform::Vector3& eye, int32_t cameraCluster, std::vector<uint8_t>& queued);

  const std::vector<std::vector<QueuedFace>>& Lists() const { return lists_; }
  // Counts the walks whose lists differed from the walk before, so that what is built from
  // the lists is built again only when the visible set changes.
  uint64_t Generation() const { return generation_; }

 private:
  struct Walk;
  std::vector<std::vector<QueuedFace>> lists_;
  // The lists of the walk before, kept to compare against (and for their memory).
  std::vector<std::vector<QueuedFace>> previous_;
  uint64_t generation_ = 0;
};
