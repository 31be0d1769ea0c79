#include "player/gadgets/SmokeGrenadeGadget.h"

#include "engine/Engine.h"
#include "player/GameServices.h"
#include "player/Player.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/Launch.h"
#include "player/gadgets/SmokeGrenade.h"

void SmokeGrenadeGadget::Fire(GadgetEnt* gadget) {
  Player* thief = gadget->gadget.GetPlayer();
  if (!thief || thief->info.smokeGrenades <= 0) return;
  const GameServices& services = gadget->Services();
  auto* bomb = static_cast<SmokeGrenade*>(services.engine.GetEntityManager()->Create(SmokeGrenade::kClassName));
  if (!bomb) return;
  bomb->mapIndex.mapIndex = thief->mapIndex.mapIndex;
  thief->info.SpendSmokeGrenade();
  if (thief == services.UserThief()) services.PlaySound3D("smoke launch", gadget);
  LaunchFromGadget(gadget, bomb, bomb->physical);
}
