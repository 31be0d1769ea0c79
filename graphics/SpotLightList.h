#pragma once
#include <cstdint>
#include <vector>

#include "graphics/ModelWorld.h"
#include "map/MapFaceLights.h"
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
  // The first two enabled lights of map `mapIndex`, wherever they point, for the map's faces to
  // test one by one; how many there are.
  int ChooseMapLights(MapLight (&out)[2], int32_t mapIndex) const;

 private:
  // Enabled, carried in map `mapIndex` and placed.
  static bool Shines(const SpotLight& light, int32_t mapIndex);

  std::vector<SpotLight*> lights_;
};
