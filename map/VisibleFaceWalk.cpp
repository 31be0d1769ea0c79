#include "map/VisibleFaceWalk.h"

#include <cmath>

#include "map/MapGeometry.h"
#include "platform/math/Frustum.h"

struct VisibleFaceWalk::Walk {
  const BspData& map;
  const std::vector<TextureRenderFlags>& flags;
  const platform::Frustum& frustum;
  const platform::Vector3& eye;
  int32_t cluster;
  std::vector<uint8_t>& queued;
  std::vector<std::vector<QueuedFace>>& lists;

  void Node(int32_t index) {
    while (index >= 0) {
      const BspNode& node = map.nodes[size_t(index)];
      if (!frustum.TestBox(node.center[0], node.center[1], node.center[2], node.halfSize[0], node.halfSize[1],
                           node.halfSize[2]))
        return;
      const BspPlane& plane = map.planes[size_t(node.plane)];
      const float* n = plane.normal;
      const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
      const float scale = length > 0.0f ? 1.0f / length : 0.0f;
      const float d = (n[0] * eye.x + n[1] * eye.y + n[2] * eye.z) * scale - plane.distance;
      // The far side first, so each list runs from far to near.
      const int32_t nearChild = d >= 0.0f ? node.children[0] : node.children[1];
      const int32_t farChild = d >= 0.0f ? node.children[1] : node.children[0];
      Node(farChild);
      index = nearChild;
    }
    Leaf(-(index + 1));
  }

  void Leaf(int32_t leafIndex) {
    const BspLeaf& leaf = map.leaves[size_t(leafIndex)];
    if (!IsClusterVisible(map, cluster, leaf.cluster)) return;
    for (int32_t i = leaf.firstLeafFace; i < leaf.firstLeafFace + leaf.leafFaceCount; ++i) {
      const int32_t faceIndex = map.leafFaces[size_t(i)];
      const int32_t texture = map.faces[size_t(faceIndex)].texture;
      if (flags[size_t(texture)].clip || queued[size_t(faceIndex)]) continue;
      queued[size_t(faceIndex)] = 1;
      lists[size_t(texture)].push_back({faceIndex, leafIndex});
    }
  }
};

void VisibleFaceWalk::Collect(const BspData& map, const std::vector<TextureRenderFlags>& flags,
                              const platform::Frustum& frustum, const platform::Vector3& eye, int32_t cameraCluster,
                              std::vector<uint8_t>& queued) {
  lists_.swap(previous_);
  lists_.resize(flags.size());
  for (auto& list : lists_) list.clear();
  if (!map.nodes.empty() && flags.size() == map.textures.size() && queued.size() == map.faces.size())
    Walk{map, flags, frustum, eye, cameraCluster, queued, lists_}.Node(0);
  if (lists_ != previous_) ++generation_;
}
