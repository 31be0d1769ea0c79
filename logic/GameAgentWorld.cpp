#include "logic/GameAgentWorld.h"

#include "engine/Engine.h"
#include "entities/Item.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemRecord.h"
#include "entities/ItemSpawn.h"
#include "entities/Teleporter.h"
#include "entities/TripLaser.h"
#include "physics/Physics.h"
#include "player/EntityList.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/Player.h"
#include "player/PlayerInfo.h"
#include "player/gadgets/SmokeGrenade.h"

namespace {

// The agents ask about entities they hold; the classes' accessors are not const.
template <class T>
T* As(const Entity& entity) {
  return dynamic_cast<T*>(const_cast<Entity*>(&entity));
}

PlayerInfo* InfoOf(const Entity& entity) { return const_cast<Entity&>(entity).Find<PlayerInfo>(); }

}  // namespace

Entity* GameAgentWorld::GetControlledPlayer() const { return services_.UserThief(); }

int32_t GameAgentWorld::GetDifficulty() const { return services_.logic.GetDifficulty(); }

int32_t GameAgentWorld::GetCurrentMapIndex() const { return services_.logic.GetCurrentMapIndex(); }

bool GameAgentWorld::IsPlayHeld() const {
  return services_.logic.IsRoundOver() || services_.logic.IsFlyThroughRunning();
}

std::vector<Entity*> GameAgentWorld::GetEntities(const std::string& className) const {
  std::vector<Entity*> live;
  if (const EntityList* list = services_.logic.GetEntities(className)) {
    for (Entity& entity : *list) live.push_back(&entity);
  }
  return live;
}

bool GameAgentWorld::CastRay(const platform::Vector3& origin, const platform::Vector3& direction,
                             AgentRayHit& hit) const {
  Physics* physics = services_.engine.GetPhysics();
  RayHit found;
  if (!physics || !physics->RayCast(origin.x, origin.y, origin.z, direction.x, direction.y, direction.z, &found)) {
    return false;
  }
  hit.distance = found.distance;
  hit.entity = found.entity;
  return true;
}

void GameAgentWorld::MovePlayerToStart(Entity& thief) { services_.logic.MovePlayerToStart(thief); }

Entity* GameAgentWorld::CreateEntity(const std::string& className) {
  return services_.engine.GetEntityManager()->Create(className);
}

bool GameAgentWorld::CarriesItem(const Entity& thief) const {
  PlayerInfo* info = InfoOf(thief);
  return info && info->carriedItem;
}

bool GameAgentWorld::IsInBox(const Entity& agent) const {
  PlayerInfo* info = InfoOf(agent);
  return info && info->inBox;
}

int32_t GameAgentWorld::GetBoxes(const Entity& thief) const {
  PlayerInfo* info = InfoOf(thief);
  return info ? info->boxes : 0;
}

void GameAgentWorld::SetBoxes(Entity& thief, int32_t boxes) {
  if (PlayerInfo* info = InfoOf(thief)) info->StockBoxes(boxes);
}

int32_t GameAgentWorld::GetBattery(const Entity& thief) const {
  PlayerInfo* info = InfoOf(thief);
  return info ? info->battery : 0;
}

int32_t GameAgentWorld::GetOutfit(const Entity& thief) const {
  PlayerInfo* info = InfoOf(thief);
  return info ? info->outfit : 0;
}

void GameAgentWorld::SetOutfit(Entity& thief, int32_t outfit) {
  if (PlayerInfo* info = InfoOf(thief)) info->WearOutfit(outfit);
  if (auto* player = As<Player>(thief)) player->LoadOutfitModel();
}

void GameAgentWorld::SetModelVariant(Entity& guard, int32_t variant) {
  if (PlayerInfo* info = InfoOf(guard)) info->TakeGuardLook(variant);
}

bool GameAgentWorld::IsSmokeTarget(const Entity& guard) const {
  PlayerInfo* info = InfoOf(guard);
  return info && info->guardSelector;
}

Entity* GameAgentWorld::GetTouchedTeleporter(const Entity& thief) const {
  PlayerInfo* info = InfoOf(thief);
  return info ? info->teleporter.Get() : nullptr;
}

void GameAgentWorld::SelectGadget(Entity& thief, int32_t gadget) {
  if (auto* player = As<Player>(thief)) player->currentGadget = gadget;
}

void GameAgentWorld::Fire(Entity& thief) {
  if (auto* player = As<Player>(thief)) player->Fire();
}

void GameAgentWorld::FireAt(Entity& thief, const platform::Vector3& point) {
  if (auto* player = As<Player>(thief)) player->FireAt(point);
}

void GameAgentWorld::ReturnCarriedItem(Entity& thief) {
  if (auto* player = As<Player>(thief)) player->ReturnCarriedItem();
}

void GameAgentWorld::Deliver(Entity& dropoff, Entity& thief) {
  if (auto* place = As<ItemDropoff>(dropoff)) place->Dropoff(&thief);
}

bool GameAgentWorld::IsItemForThieves(const Entity& item) const {
  auto* exhibit = As<Item>(item);
  if (!exhibit || !exhibit->record) return false;
  Entity* spawn = exhibit->record->placement.Get();
  return spawn && IsSpawnOccupied(*spawn) && !IsSpawnPlayerOnly(*spawn);
}

bool GameAgentWorld::IsSpawnOccupied(const Entity& spawn) const {
  auto* place = As<ItemSpawn>(spawn);
  return place && place->occupied;
}

bool GameAgentWorld::IsSpawnPlayerOnly(const Entity& spawn) const {
  auto* place = As<ItemSpawn>(spawn);
  return place && place->isPlayerOnly;
}

bool GameAgentWorld::IsTeleporterBanned(const Entity& teleporter) const {
  auto* door = As<Teleporter>(teleporter);
  return !door || door->banned;
}

Entity* GameAgentWorld::GetTeleporterTarget(const Entity& teleporter) const {
  auto* door = As<Teleporter>(teleporter);
  return door ? door->GetTarget() : nullptr;
}

std::string GameAgentWorld::GetFollowOnName(const Entity&) const {
  // The demo museum's maps chain no teleporters.
  return "";
}

std::string GameAgentWorld::GetTeleporterName(const Entity& teleporter) const {
  auto* door = As<Teleporter>(teleporter);
  return door ? door->targetName : "";
}

void GameAgentWorld::Teleport(Entity& teleporter, Entity& thief) {
  if (auto* door = As<Teleporter>(teleporter)) door->Teleport(&thief);
}

bool GameAgentWorld::IsLaserActive(const Entity& laser) const {
  auto* beam = As<TripLaser>(laser);
  return beam && beam->enabled;
}

void GameAgentWorld::DisableLaser(Entity& laser, float seconds) {
  if (auto* beam = As<TripLaser>(laser)) beam->Disable(seconds);
}

bool GameAgentWorld::HasReleasedSmoke(const Entity& grenade) const {
  auto* bomb = As<SmokeGrenade>(grenade);
  return bomb && bomb->smoking;
}

void GameAgentWorld::PlaySound(const std::string& name, Entity& at) {
  services_.PlaySound3D(name, &at);
}
