#include "graphics/SpotLightList.h"

#include <algorithm>

#include "graphics/SpotLight.h"
#include "physics/PhysicalComp.h"

namespace {

constexpr float kReachSquared = 800.0f * 800.0f;
// A beam lights a point slightly behind its own plane too.
constexpr float kBehindTolerance = 0.05f;

}  // namespace

void SpotLightList::Remove(SpotLight* light) { std::erase(lights_, light); }

bool SpotLightList::Shines(const SpotLight& light, int32_t mapIndex) {
  return light.enabled && light.mapIndex == mapIndex && light.GetSource();
}

void SpotLightList::FindLightsNear(std::vector<SpotLightRecord>& out, const platform::Vector3& point, float radius,
                                   int32_t mapIndex) const {
  out.clear();
  for (const SpotLight* light : lights_) {
    if (!Shines(*light, mapIndex)) continue;
    const platform::Vector3 at = light->GetSource()->GetPosition();
    const platform::Vector3 d = at - point;
    if (platform::Vec3Dot(d, d) + radius * radius <= kReachSquared &&
        platform::Vec3Dot(d, light->direction) <= kBehindTolerance)
      out.push_back({at, light->direction});
  }
}

int SpotLightList::ChooseMapLights(MapLight (&out)[2], int32_t mapIndex) const {
  int count = 0;
  for (const SpotLight* light : lights_) {
    if (count == 2) break;
    if (Shines(*light, mapIndex)) out[count++] = {light->GetSource()->GetPosition(), light->direction};
  }
  return count;
}
