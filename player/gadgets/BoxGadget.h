#pragma once
#include "player/gadgets/GadgetBase.h"

// The box: fired, the thief hides under a box and slows to 150; fired again (or after 15 s,
// which the thief's update watches) it comes out. Never aims.
class BoxGadget : public GadgetBase {
 public:
  static constexpr float kBoxSpeed = 150.0f;

  BoxGadget() : GadgetBase("Box") {}
  void Fire(GadgetEnt* gadget) override;
  void Init(GadgetEnt*) override {
    canTarget = false;
    hudScale = 1;
    hudOffsetY = 20.0f;
  }
};
