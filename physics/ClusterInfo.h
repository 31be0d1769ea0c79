#pragma once
#include <cstdint>

#include "entity/Component.h"

// The BSP cluster of the current map that holds the owner's "Physical" position, found as
// "ClusterInfo"; kept by Physics::UpdateClusters. The model pass skips entities in clusters
// the camera cannot see.
class ClusterInfo : public Component {
 public:
  static constexpr char kComponentName[] = "ClusterInfo";
  ClusterInfo() = default;
  ~ClusterInfo() override;
  ClusterInfo(const ClusterInfo&) = delete;
  ClusterInfo& operator=(const ClusterInfo&) = delete;

  // Registers with the physics system.
  void Activate() override;

  // Meaningful after the first cluster update.
  int32_t cluster = 0;
};
