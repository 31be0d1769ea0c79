#pragma once
#include "player/gadgets/GadgetBase.h"

// The taser: a ray along the aim that, on a hit, spends battery and shows a beam; an entity hit
// crackles, and a guard or computer thief freezes for 5 s, anything else gets "Disable" 5 s.
class Taser : public GadgetBase {
 public:
  static constexpr int32_t kBatteryNeeded = 10;
  static constexpr int32_t kBatteryPerShot = 5;
  static constexpr float kStunSeconds = 5.0f;

  Taser() : GadgetBase("Taser") {}
  void Fire(GadgetEnt* gadget) override;
  void Init(GadgetEnt*) override {
    hudScale = 15;
    hudOffsetY = -5.0f;
  }
};
