#include "entities/ItemDropoff.h"

#include "engine/Engine.h"
#include "entities/EntityMessages.h"
#include "entities/ItemRecord.h"
#include "entities/ItemSpawn.h"
#include "entities/MarkerVisibility.h"
#include "entities/ThiefInfo.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"

void ItemDropoff::Describe(ClassBuilder<ItemDropoff>& c) {
  c.Component(&ItemDropoff::physical);
  c.Component(&ItemDropoff::mapIndex);
  c.Component(&ItemDropoff::model);
  c.Message(kOnUpdate, &ItemDropoff::OnUpdate);
  c.Message(kDropoff, &ItemDropoff::Dropoff);
  c.Message(kUpdateVisible, &ItemDropoff::UpdateVisible);
  c.Field("phy", &ItemDropoff::physical);
}

ItemDropoff::ItemDropoff(const GameServices& services) : services_(services) { physical.createActor = 0; }

ItemDropoff::~ItemDropoff() {
  services_.logic.UnregisterEntity(kClassName, *this);
}

void ItemDropoff::OnCreate() {
  services_.logic.RegisterEntity(kClassName, *this);
  model.Load("arrow");
  MessageQueue* queue = services_.engine.GetMessageQueue();
  queue->RegisterUpdate(this);
  visible = false;
  base = physical.GetPosition();
  queue->Post(this, kUpdateVisible, kMarkerVisibleInterval);
}

void ItemDropoff::OnUpdate() { BobMarker(services_, base, visible, physical, model); }

void ItemDropoff::UpdateVisible() {
  services_.engine.GetMessageQueue()->Post(this, kUpdateVisible, kMarkerVisibleInterval);
  visible = IsMarkerVisible(services_, base, static_cast<int32_t>(mapIndex.mapIndex));
}

void ItemDropoff::Dropoff(Entity* thief) {
  PlayerInfo* info = FindThiefInfo(thief);
  if (!info || !info->carriedItem) return;
  ItemRecord& record = *info->DeliverItem(*services_.engine.GetEntityManager());
  thief->Send(kScore, static_cast<int>(record.worth));
  if (thief == services_.UserThief()) {
    services_.logic.ReportItemDelivered();
    services_.PlaySound3D("item dropoff", thief);
  }
  // One item stands for a record at a time (the refill puts each record back once), so its
  // spawn is free now.
  if (auto* spawn = dynamic_cast<ItemSpawn*>(record.placement.Get())) spawn->occupied = false;
}
