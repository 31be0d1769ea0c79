#pragma once
#include <cstdint>

#include "entity/Component.h"
#include "platform/math/Vector.h"

class PhysicalComp;

// The light of a guard's flashlight, found as "SpotLight": from its owner's "Physical" along
// `direction`. It counts for the model lighting from its activation until it is destroyed, and
// only while enabled and while its carrier stands in the current map; the carrier writes both
// every frame.
class SpotLight : public Component {
 public:
  static constexpr char kComponentName[] = "SpotLight";
  SpotLight() = default;
  SpotLight(const SpotLight&) = delete;
  SpotLight& operator=(const SpotLight&) = delete;
  ~SpotLight() override;

  // Joins the graphics system's spot lights, enabled, shining from the owner's "Physical".
  void Activate() override;
  // The owner's "Physical", a sibling member that lives as long as this; null before the
  // activation or for an owner without one.
  const PhysicalComp* GetSource() const { return source_; }

  platform::Vector3 direction{1, 0, 0};
  bool enabled = false;
  // The map the carrier stands in; -1 shines in none.
  int32_t mapIndex = -1;

 private:
  const PhysicalComp* source_ = nullptr;
};
