#include "ai/GuardPatrolPath.h"

#include "ai/AI.h"
#include "ai/AIMarker.h"
#include "ai/agents/AgentWorld.h"
#include "entity/MapFloatField.h"

void GuardPatrolPath::Describe(ClassBuilder<GuardPatrolPath>& c) {
  c.Component(&GuardPatrolPath::physical);
  c.Field("Pos", &GuardPatrolPath::physical);
  c.Field("PathNum", &GuardPatrolPath::PathNum);
  c.Field("Id", &GuardPatrolPath::Id);
  // The level designer sets the pause: it is read from the map, as the whole numbers are.
  c.Field(std::make_unique<MapFloatField<GuardPatrolPath>>("PauseDuration", &GuardPatrolPath::PauseDuration));
  c.Field("Direction", &GuardPatrolPath::Direction);
  c.Field("Type", &GuardPatrolPath::Type);
}

void GuardPatrolPath::OnCreate() {
  // The game start makes each map current while it creates that map's entities.
  AI* ai = TheAI();
  const AgentWorld* world = ai ? ai->GetRoster().GetWorld() : nullptr;
  mapIndex = world ? world->GetCurrentMapIndex() : 0;
  if (mapIndex < 0) mapIndex = 0;
  PathNum += mapIndex * 10;
  if (ai) ai->GetPathSet().guardPatrolMarkers.emplace_back(this);
}
