#pragma once
#include "player/gadgets/GadgetBase.h"

// Throws a smoke bomb along the aim while the thief has any left.
class SmokeGrenadeGadget : public GadgetBase {
 public:
  SmokeGrenadeGadget() : GadgetBase("SmokeGrenade") {}
  void Fire(GadgetEnt* gadget) override;
  void Init(GadgetEnt*) override {
    hudScale = 10;
    hudOffsetY = -20.0f;
  }
};
