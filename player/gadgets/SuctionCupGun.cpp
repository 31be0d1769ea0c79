#include "player/gadgets/SuctionCupGun.h"

#include "engine/Engine.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/Launch.h"
#include "player/gadgets/SuctionCup.h"

void SuctionCupGun::Fire(GadgetEnt* gadget) {
  const GameServices& services = gadget->Services();
  auto* cup = static_cast<SuctionCup*>(services.engine.GetEntityManager()->Create(SuctionCup::kClassName));
  if (cup) LaunchFromGadget(gadget, cup, cup->physical);
}
