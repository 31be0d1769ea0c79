#pragma once
#include <cstdint>
#include <vector>

#include "platform/math/Vector.h"

// The directional light of a place: its colour and direction. The default is the fixed light.
struct ModelLight {
  platform::Vector3 colour{0.5f, 0.5f, 0.5f};
  platform::Vector3 direction{0, 1, 0.5f};
};

// A guard's spot light near a model: where it shines from and where it points.
struct SpotLightRecord {
  platform::Vector3 position;
  platform::Vector3 direction;
};

// What the model passes ask of the world around them: the level's lights, the current map and
// its visibility and the floor below a model. This plain world lights every model with the
// fixed light, puts it in the current map, sees it, and gives it no shadow.
class ModelWorld {
 public:
  virtual ~ModelWorld() = default;
  virtual ModelLight GetLight(const platform::Vector3& /*position*/) { return {}; }
  virtual void GetSpotLights(const platform::Vector3& /*centre*/, float /*radius*/, std::vector<SpotLightRecord>& out) {
    out.clear();
  }
  virtual uint32_t GetCurrentMapIndex() { return 0; }
  // Whether the current map sees the cluster from the camera's cluster.
  virtual bool IsClusterVisible(int32_t /*cluster*/) { return true; }
  // Straight down from a point: the distance to the floor and its normal; false on a miss.
  virtual bool CastDown(const platform::Vector3& /*from*/, float* /*distance*/, platform::Vector3* /*normal*/) {
    return false;
  }
};
