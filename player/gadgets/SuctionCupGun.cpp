#include "player/gadgets/SuctionCupGun.h"

#include "engine/Engine.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/Launch.h"
#include "player/gadgets/SuctionCup.h"

void SuctionCupGun::Fire(GadgetEnt* gadget) {
  auto* cup = static_cast<SuctionCup*>(Engine::Get()->GetEntityManager()->Create(SuctionCup::kClassName));
  if (cup) LaunchFromGadget(gadget, cup, cup->physical);
}
