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
#include "logic/Logic.h"
#include "logic/LogicCmds.h"
#include "logic/MainControls.h"
#include "map/MapEntityClasses.h"
#include "player/Player.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SmokeGrenade.h"
#include "player/gadgets/SuctionCup.h"
#include "player/pickups/PickupFamilies.h"

namespace {

// The factory of a game class whose objects are handed the game's services when made.
template <class T>
EntityManager::Factory Made(const GameServices& services) {
  return [&services] { return new T(services); };
}

}  // namespace

void RegisterGameClasses(Logic& logic) {
  const GameServices& services = logic.GetServices();
  constexpr const char* kLogicLog = "LogicLog";
  RegisterMapEntityClass<TripLaser>(kLogicLog, Made<TripLaser>(services));
  RegisterEntityClass<TripLaserTrigger>(kLogicLog);
  RegisterEntityClass<Guard>(kLogicLog, Made<Guard>(services));
  RegisterEntityClass<Flashlight>(kLogicLog);
  RegisterEntityClass<GadgetEnt>(kLogicLog, Made<GadgetEnt>(services));
  RegisterEntityClass<SuctionCup>(kLogicLog, Made<SuctionCup>(services));
  RegisterEntityClass<LogicCmds>(kLogicLog, [&logic] { return new LogicCmds(logic.GetServices().engine, logic); });
  RegisterEntityClass<MainControls>(kLogicLog, [&logic] { return new MainControls(logic); });
  RegisterEntityClass<DevControls>(kLogicLog);
  RegisterEntityClass<GameControls>(kLogicLog);
  RegisterEntityClass<InterpEditControls>(kLogicLog);
  RegisterEntityClass<NullControls>(kLogicLog);
  RegisterMapEntityClass<BatterySpawn>(kLogicLog, Made<BatterySpawn>(services));
  RegisterMapEntityClass<Battery>(kLogicLog, Made<Battery>(services));
  RegisterEntityClass<Player>(kLogicLog, Made<Player>(services));
  RegisterMapEntityClass<PlayerStart>(kLogicLog, Made<PlayerStart>(services));
  RegisterMapEntityClass<TargetEnt>(kLogicLog);
  RegisterMapEntityClass<Teleporter>(kLogicLog, Made<Teleporter>(services));
  RegisterMapEntityClass<ItemSpawn>(kLogicLog, Made<ItemSpawn>(services));
  RegisterEntityClass<Item>(kLogicLog, Made<Item>(services));
  RegisterMapEntityClass<ItemDropoff>(kLogicLog, Made<ItemDropoff>(services));
  RegisterEntityClass<SmokeGrenade>(kLogicLog, Made<SmokeGrenade>(services));
  RegisterMapEntityClass<BoxSpawn>(kLogicLog, Made<BoxSpawn>(services));
  RegisterMapEntityClass<BoxPickup>(kLogicLog, Made<BoxPickup>(services));
  RegisterMapEntityClass<SmokeGrenadeSpawn>(kLogicLog, Made<SmokeGrenadeSpawn>(services));
  RegisterMapEntityClass<SmokeGrenadePickup>(kLogicLog, Made<SmokeGrenadePickup>(services));
}
