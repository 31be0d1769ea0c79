#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "entity/Component.h"
#include "entity/EntityManager.h"
#include "graphics/EmitterHandle.h"

struct ItemRecord;

// The heist state of a thief or a guard, found as "PlayerInfo". The item records belong to the
// game logic's item store, the carried-item model to the entity manager and the effect to the
// particle manager: this component only refers to them.
class PlayerInfo : public Component {
 public:
  static constexpr char kComponentName[] = "PlayerInfo";
  static constexpr int32_t kMaxBattery = 100;
  static constexpr int32_t kBatteryPickup = 10;

  // Driven by no system.
  void Activate() override {}

  // A battery pickup: +10, never above 100.
  void AddBattery();
  // Box and smoke grenade pickups have no upper limit.
  void AddBox() { ++boxes; }
  void AddSmokeGrenade() { ++smokeGrenades; }

  uint8_t userControlled = 0;
  // In delivery order; the end-of-round tally reads them.
  std::vector<ItemRecord*> deliveredItems;
  int32_t outfit = 0;
  ItemRecord* carriedItem = nullptr;
  std::string kind;  // "thief" or "guard"
  float shownMoney = 0;
  float money = 0;
  int32_t battery = kMaxBattery;
  EntityHandle teleporter;
  EntityHandle carriedItemModel;
  uint8_t targeting = 0;
  uint8_t switchingGadget = 0;
  uint8_t inBox = 0;
  int32_t boxes = 1;
  float boxTimer = 0;
  int32_t smokeGrenades = 2;
  std::string gender = "male";
  // A guard's look: 0 walking, 1 sleeper, 2 watcher.
  int32_t modelVariant = 0;
  // A guard computer thieves smoke rather than tase.
  uint8_t guardSelector = 0;
  EmitterHandle carriedItemEffect;
};
