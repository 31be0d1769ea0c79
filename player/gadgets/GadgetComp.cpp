#include "player/gadgets/GadgetComp.h"

#include "player/Player.h"
#include "player/gadgets/GadgetBase.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/GadgetRegistry.h"

void GadgetComp::Activate() {
  behavior = Gadgets().Find(BehaviorName);
  if (behavior) behavior->Reset(static_cast<GadgetEnt*>(owner));
}

int32_t GadgetComp::GetHudSize() const { return behavior ? behavior->hudScale : 0; }
float GadgetComp::GetHudHeightOffset() const { return behavior ? behavior->hudOffsetY : 0.0f; }

Player* GadgetComp::GetPlayer() const { return dynamic_cast<Player*>(player.Get()); }
