#pragma once
#include <cstdint>
#include <vector>

#include "graphics/ModelWorld.h"
#include "platform/math/Vector.h"

class SpotLight;

// The spot lights of the guards' flashlights, in the order they were switched on.
class SpotLightList {
 public:
  void Add(SpotLight* light) { lights_.push_back(light); }
  void Remove(SpotLight* light);
  size_t Count() const { return lights_.size(); }

  // Fills `out` with the lights of map `mapIndex` that may reach a sphere of radius `radius`
  // at `point`: enabled, within 800 units (the radius counted in) and not pointing away from
  // it by more than a small tolerance. `out` is emptied first but keeps its storage, so a
  // frame's queries allocate nothing once it has grown.
  void FindLightsNear(std::vector<SpotLightRecord>& out, const platform::Vector3& point, float radius,
                      int32_t mapIndex) const;

 private:
  std::vector<SpotLight*> lights_;
};
