#include "entities/Item.h"

#include <cmath>

#include "engine/Engine.h"
#include "entities/ItemRecord.h"
#include "entities/ItemSpawn.h"
#include "entities/ThiefInfo.h"
#include "graphics/ModelEnt.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/ParticleManager.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"

void Item::Describe(ClassBuilder<Item>& c) {
  c.Component(&Item::physical);
  c.Component(&Item::model);
  c.Component(&Item::bounds);
  c.Component(&Item::cluster);
  c.Component(&Item::mapIndex);
  c.Message(kOnUpdate, &Item::OnUpdate);
  c.Message(kOnTouch, &Item::OnTouch);
  c.Field("PhysicalComp", &Item::physical);
}

Item::Item(const GameServices& services) : services_(services) {
  physical.isStatic = 1;
  physical.sendOnTouch = 1;
}

Item::~Item() {
  services_.logic.UnregisterEntity(kClassName, *this);
  sparks.Stop();
}

void Item::OnCreate() {
  if (record) model.Load(record->modelName);
  if (ParticleManager* particles = services_.Particles()) {
    sparks.Set(particles->CreateEmitter("sparkConfig"));
    if (ParticleEmitter* emitter = sparks.Get()) emitter->mapIndex = static_cast<int32_t>(mapIndex.mapIndex);
  }
  services_.engine.GetMessageQueue()->RegisterUpdate(this);
  services_.logic.RegisterEntity(kClassName, *this);
}

// The facing depends on the clock alone, so every exhibit on display faces the same way.
void Item::OnUpdate() {
  const auto t = static_cast<float>(services_.engine.GetTimer()->GetTime());
  physical.SetDirection({std::cos(t), std::sin(t), 0.0f});
  if (ParticleEmitter* emitter = sparks.Get()) emitter->origin = physical.GetPosition();
}

void Item::OnTouch(Entity* other) {
  PlayerInfo* info = FindThiefInfo(other);
  if (!record || !info || info->carriedItem) return;
  if (other == services_.UserThief()) {
    services_.logic.ReportItemTaken();
    services_.PlaySound3D("item pickup", other);
  }
  EntityManager* entities = services_.engine.GetEntityManager();
  // Through the class registry: without the graphics no carried model is shown.
  auto* carried = dynamic_cast<ModelEnt*>(entities->Instantiate(ModelEnt::kClassName));
  if (carried) {
    carried->FileName = record->modelName;
    // It turns at two radians a second in the thief's hands.
    carried->model.turning = 1;
    Entity::SetUp(carried);
  }
  ParticleManager* particles = services_.Particles();
  info->TakeItem(*record, carried, particles ? particles->CreateEmitter("playerSparkConfig") : nullptr);
  // Taken once: a second thief touching in the same frame finds the record gone.
  record = nullptr;
  entities->QueueDelete(this);
}

Item* SpawnItemEntity(const GameServices& services, ItemRecord& record) {
  auto* spawn = dynamic_cast<ItemSpawn*>(record.placement.Get());
  if (!spawn) return nullptr;
  auto* item = new Item(services);
  services.engine.GetEntityManager()->AddEntity(item);
  item->model.modelName = record.modelName;
  item->spriteName = record.spriteName;
  item->record = &record;
  item->physical.SetPosition(spawn->physical.GetPosition());
  item->mapIndex.mapIndex = spawn->mapIndex.mapIndex;
  spawn->occupied = true;
  Entity::SetUp(item);
  return item;
}
