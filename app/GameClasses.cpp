#include "app/GameClasses.h"

#include "entities/Flashlight.h"
#include "entities/Guard.h"
#include "entities/Item.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemSpawn.h"
#include "entities/PlayerStart.h"
#include "entities/TargetEnt.h"
#include "entities/Teleporter.h"
#include "entities/TripLaser.h"
#include "entities/TripLaserTrigger.h"
#include "entity/EntityClass.h"
#include "input/DevControls.h"
#include "input/GameControls.h"
#include "input/InterpEditControls.h"
#include "input/NullControls.h"
#include "logic/LogicCmds.h"
#include "logic/MainControls.h"
#include "map/MapEntityClasses.h"
#include "player/Player.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SmokeGrenade.h"
#include "player/gadgets/SuctionCup.h"
#include "player/pickups/PickupFamilies.h"

void RegisterGameClasses() {
  constexpr const char* kLogicLog = "LogicLog";
  RegisterMapEntityClass<TripLaser>(kLogicLog);
  RegisterEntityClass<TripLaserTrigger>(kLogicLog);
  RegisterEntityClass<Guard>(kLogicLog);
  RegisterEntityClass<Flashlight>(kLogicLog);
  RegisterEntityClass<GadgetEnt>(kLogicLog);
  RegisterEntityClass<SuctionCup>(kLogicLog);
  RegisterEntityClass<LogicCmds>(kLogicLog);
  RegisterEntityClass<MainControls>(kLogicLog);
  RegisterEntityClass<DevControls>(kLogicLog);
  RegisterEntityClass<GameControls>(kLogicLog);
  RegisterEntityClass<InterpEditControls>(kLogicLog);
  RegisterEntityClass<NullControls>(kLogicLog);
  RegisterMapEntityClass<BatterySpawn>(kLogicLog);
  RegisterMapEntityClass<Battery>(kLogicLog);
  RegisterEntityClass<Player>(kLogicLog);
  RegisterMapEntityClass<PlayerStart>(kLogicLog);
  RegisterMapEntityClass<TargetEnt>(kLogicLog);
  RegisterMapEntityClass<Teleporter>(kLogicLog);
  RegisterMapEntityClass<ItemSpawn>(kLogicLog);
  RegisterEntityClass<Item>(kLogicLog);
  RegisterMapEntityClass<ItemDropoff>(kLogicLog);
  RegisterEntityClass<SmokeGrenade>(kLogicLog);
  RegisterMapEntityClass<BoxSpawn>(kLogicLog);
  RegisterMapEntityClass<BoxPickup>(kLogicLog);
  RegisterMapEntityClass<SmokeGrenadeSpawn>(kLogicLog);
  RegisterMapEntityClass<SmokeGrenadePickup>(kLogicLog);
}
