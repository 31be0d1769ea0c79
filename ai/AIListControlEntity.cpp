#include "ai/AIListControlEntity.h"

#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "engine/VariableTable.h"
#include "ai/AlarmMessage.h"
#include "physics/MapIndexComp.h"

namespace {

const MapIndexComp* MapOf(Entity* entity) { return entity ? entity->Find<MapIndexComp>() : nullptr; }

}  // namespace

void AIListControlEntity::Describe(ClassBuilder<AIListControlEntity>& c) {
  c.Message(kAlarm, &AIListControlEntity::AlarmHandler);
}

// The listener subscribes before the game logic does, so it hears every alarm first.
void AIListControlEntity::OnCreate() { Engine::Get()->Subscribe(this, kAlarmChannel); }

void AIListControlEntity::AlarmHandler(platform::Vector3 point, uint32_t thiefId) {
  if (!roster) return;
  // The thief is resolved while the laser's update that raised the alarm still runs.
  Entity* thief = EntityHandle(thiefId).Get();
  AgentWorld* world = roster->GetWorld();
  // Without a thief under the user's control (in the menus) nothing shows or sounds; the
  // guards still answer.
  Entity* user = world ? world->GetControlledPlayer() : nullptr;
  const MapIndexComp* userMap = MapOf(user);
  const MapIndexComp* thiefMap = MapOf(thief);
  if (userMap && thiefMap && userMap->mapIndex == thiefMap->mapIndex) {
    SetVariable("AlarmOn", true);
    if (thief == user) world->PlaySound("alarm", *thief);
  }
  roster->SendGuardToAlarm(point, thief);
}
