#include "logic/RoundRules.h"

#include "ai/AIComponent.h"
#include "engine/Engine.h"
#include "entities/ItemDropoff.h"
#include "entities/Teleporter.h"
#include "graphics/Graphics.h"
#include "logic/GameComponents.h"
#include "logic/Logic.h"
#include "logic/LogicGui.h"
#include "logic/LogicMessages.h"
#include "player/PlayerMessages.h"
#include "graphics/gui/GUISpriteElement.h"

namespace {

constexpr float kEndGameDelay = 5.0f;
constexpr int32_t kTimesUpRate = 30;
// A computer thief is touched from about 1.22 times as far: the limit is squared.
constexpr float kComputerThiefReach = 1.5f;

float SquaredDistance(const platform::Vector3& a, const platform::Vector3& b) {
  const float dx = a.x - b.x;
  const float dy = a.y - b.y;
  const float dz = a.z - b.z;
  return dx * dx + dy * dy + dz * dz;
}

// The position and map of an entity that has both; false otherwise.
bool Place(Entity& entity, platform::Vector3& position, uint32_t& map) {
  PhysicalComp* physical = FindPhysical(entity);
  MapIndexComp* index = FindMapIndex(entity);
  if (!physical || !index) return false;
  position = physical->GetPosition();
  map = index->mapIndex;
  return true;
}

// Every entity of the list in the map of `at` within the squared reach of it.
template <class Visit>
void ForEachInReach(const EntityList& list, const platform::Vector3& at, uint32_t map, float reach, Visit visit) {
  for (Entity& entity : list) {
    platform::Vector3 where;
    uint32_t itsMap = 0;
    if (Place(entity, where, itsMap) && itsMap == map && SquaredDistance(where, at) <= reach) visit(entity);
  }
}

}  // namespace

void RoundRules::UpdateClock() {
  if (logic_.IsFlyThroughRunning()) return;
  logic_.SetRoundTimeLeft(logic_.GetRoundTimeLeft() - engine_.GetTimer()->GetDelta());
  if (logic_.GetRoundTimeLeft() > 0.0f || logic_.IsRoundOver()) return;
  logic_.PostGameCommand(kEndGame, kEndGameDelay);
  LogicGui::ChangeScreen("Blank", 0.0f);
  logic_.SetRoundOver(true);
  if (GUISpriteElement* timesUp = LogicGui::FindSprite("TimesUp")) {
    timesUp->FPS = kTimesUpRate;
    timesUp->SetPosition(356, 282);
  }
}

void RoundRules::ApplyToPlayers() {
  const EntityList* players = logic_.GetPlayers();
  if (!players) return;
  for (Entity& player : *players) {
    CheckTeleporters(player);
    CheckGuards(player);
    CheckItemDropoffs(player);
  }
  ShowChasers();
}

void RoundRules::ShowChasers() {
  Entity* user = logic_.GetPlayerEntity();
  if (auto* agent = user ? user->Find<AIComponent>() : nullptr) logic_.SetAlertLevel(agent->IsChased());
}

// Measured from the arrow's base, which does not bob; a banned teleporter serves the user's
// thief only.
void RoundRules::CheckTeleporters(Entity& player) {
  const EntityList* teleporters = logic_.GetEntities(Teleporter::kClassName);
  PlayerInfo* info = FindPlayerInfo(player);
  platform::Vector3 at;
  uint32_t map = 0;
  if (!teleporters || !info || !Place(player, at, map)) return;
  info->StandAtTeleporter(nullptr);
  const bool user = &player == logic_.GetPlayerEntity();
  const float reach = logic_.GetConfig().teleportHitDist;
  for (Entity& entity : *teleporters) {
    auto& teleporter = static_cast<Teleporter&>(entity);
    if (teleporter.mapIndex.mapIndex != map || (teleporter.banned && !user)) continue;
    if (SquaredDistance(teleporter.basePosition, at) <= reach) {
      info->StandAtTeleporter(&teleporter);
      return;
    }
  }
}

void RoundRules::CheckGuards(Entity& player) {
  Graphics* graphics = engine_.GetGraphics();
  const EntityList* guards = logic_.GetEntities("Guard");
  if ((graphics && graphics->IsTransitionRunning()) || !guards) return;
  PlayerInfo* info = FindPlayerInfo(player);
  platform::Vector3 at;
  uint32_t map = 0;
  if (!Place(player, at, map) || (info && info->inBox)) return;
  float reach = logic_.GetConfig().guardHitDist;
  if (&player != logic_.GetPlayerEntity()) reach *= kComputerThiefReach;
  ForEachInReach(*guards, at, map, reach, [&](Entity& guard) { player.Send(kGuardTouch, &guard); });
}

// Measured from the bobbing arrow, not its base.
void RoundRules::CheckItemDropoffs(Entity& player) {
  const EntityList* dropoffs = logic_.GetEntities(ItemDropoff::kClassName);
  platform::Vector3 at;
  uint32_t map = 0;
  if (!dropoffs || !Place(player, at, map)) return;
  ForEachInReach(*dropoffs, at, map, logic_.GetConfig().itemDropoffHitDist,
                 [&](Entity& dropoff) { static_cast<ItemDropoff&>(dropoff).Dropoff(&player); });
}
