#include "player/PlayerInfo.h"

#include <algorithm>

void PlayerInfo::AddBattery() { battery = std::min(battery + kBatteryPickup, kMaxBattery); }

void PlayerInfo::RefillGadgets() {
  battery = kMaxBattery;
  boxes = 1;
  smokeGrenades = 2;
}

void PlayerInfo::SpendBattery(int32_t amount) { battery = std::max(battery - amount, 0); }

void PlayerInfo::TakeItem(ItemRecord& record, Entity* model, const ParticleEmitter* sparks) {
  carriedItem = &record;
  carriedItemModel.Set(model);
  carriedItemEffect.Set(sparks);
}

ItemRecord* PlayerInfo::DeliverItem(EntityManager& entities) {
  ItemRecord* record = DropCarriedItem(entities);
  if (record) deliveredItems.push_back(record);
  return record;
}

ItemRecord* PlayerInfo::DropCarriedItem(EntityManager& entities) {
  ItemRecord* record = carriedItem;
  carriedItem = nullptr;
  if (Entity* model = carriedItemModel.Get()) entities.QueueDelete(model);
  carriedItemModel = EntityHandle();
  carriedItemEffect.Stop();
  return record;
}

bool PlayerInfo::EnterBox() {
  if (boxes <= 0) return false;
  inBox = 1;
  boxTimer = 0;
  --boxes;
  return true;
}

void PlayerInfo::FlipBox() {
  if (boxes != 0) inBox = !inBox;
}

void PlayerInfo::StandAtTeleporter(Entity* at) { teleporter.Set(at); }
