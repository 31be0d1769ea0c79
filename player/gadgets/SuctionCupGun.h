#pragma once
#include "player/gadgets/GadgetBase.h"

// Fires suction cups along the aim, without stock or sound. No thief starts with one: a gadget
// file names it.
class SuctionCupGun : public GadgetBase {
 public:
  SuctionCupGun() : GadgetBase("SuctionCupGun") {}
  void Fire(GadgetEnt* gadget) override;
};
