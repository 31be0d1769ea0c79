#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "entity/Component.h"
#include "entity/EntityManager.h"
#include "graphics/EmitterHandle.h"

class ParticleEmitter;
struct ItemRecord;

// The heist state of a thief or a guard, found as "PlayerInfo". The item records belong to the
// game logic's item store, the carried-item model to the entity manager and the effect to the
// particle manager: this component only refers to them. What happens to a thief in the game
// comes here as a verb; other code reads the fields and leaves writing them to these.
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
  // The stock every thief has at a start: a full battery, one box and two smoke grenades.
  void RefillGadgets();
  void SpendSmokeGrenade() { --smokeGrenades; }
  // A computer thief going under its box is given a stock that does not run out mid-errand.
  void StockBoxes(int32_t count) { boxes = count; }
  // A shot of the taser; the battery never goes below 0.
  void SpendBattery(int32_t amount);

  // The thief takes an exhibit into its hands, with the turning model and the sparks that show
  // it there (either null without graphics).
  void TakeItem(ItemRecord& record, Entity* model, const ParticleEmitter* sparks);
  // The carried exhibit reaches a drop-off: it joins the delivered ones and the hands are let
  // go. Returns it; null when the thief carries nothing.
  ItemRecord* DeliverItem(EntityManager& entities);
  // Lets go of what the thief carries: its model is queued for deletion, its sparks die out.
  // Returns the record, which the caller puts back in the museum; null when it carries nothing.
  ItemRecord* DropCarriedItem(EntityManager& entities);

  // Into a box, which it spends; false when none is left. The box timer starts again.
  bool EnterBox();
  // Out of the box; the timer is left as it stands.
  void LeaveBox() { inBox = 0; }
  // The developer's box key: in or out without spending one, while the thief has one at all.
  void FlipBox();

  // The teleporter whose arrow it stands at, null for none.
  void StandAtTeleporter(Entity* at);
  void WearOutfit(int32_t id) { outfit = id; }
  // A guard takes its post's look (0 walking, 1 sleeper, 2 watcher); the taser does not stun
  // the sleepers and watchers, so computer thieves smoke those instead.
  void TakeGuardLook(int32_t variant) {
    modelVariant = variant;
    guardSelector = variant > 0 ? 1 : 0;
  }

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
