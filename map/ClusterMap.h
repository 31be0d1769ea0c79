#pragma once
#include <cstdint>

#include "platform/math/Vector.h"

// The current map's leaf and cluster lookups, as the systems above the map ask them (the
// physics keeps the clusters of bodies and of the camera through it).
class ClusterMap {
 public:
  virtual ~ClusterMap() = default;
  // The cluster of the leaf holding the point; 0 when the map is not loaded.
  virtual int32_t GetClusterAt(const platform::Vector3& point) const = 0;
  virtual void UpdateCameraCluster(const platform::Vector3* cameraReference) = 0;
};
