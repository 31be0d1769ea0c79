#include "player/gadgets/BoxGadget.h"

#include "player/GameServices.h"
#include "player/Player.h"
#include "player/gadgets/GadgetEnt.h"

void BoxGadget::Fire(GadgetEnt* gadget) {
  Player* thief = gadget->gadget.GetPlayer();
  if (!thief) return;
  const GameServices& services = gadget->Services();
  PlayerInfo& info = thief->info;
  const auto mapIndex = static_cast<int32_t>(thief->mapIndex.mapIndex);
  if (info.inBox) {
    // The warning may be ticking. The box timer is left as it is.
    thief->ai.voice.Rewind();
    thief->ai.voice.Pause();
    info.LeaveBox();
    services.Poof(mapIndex, thief->physical.GetPosition());
    thief->LoadOutfitModel();
    // The speed stays the box's until the controls set a pace again.
    return;
  }
  if (!info.EnterBox()) return;
  if (thief == services.UserThief()) services.PlaySound3D("use box", gadget);
  services.Poof(mapIndex, thief->physical.GetPosition());
  thief->model.Load("box");
  thief->Untarget();
  thief->playerPhysics.targetSpeed = kBoxSpeed;
}
