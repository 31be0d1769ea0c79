#include "ai/agents/GuardSetup.h"

#include <algorithm>

#include "ai/AI.h"
#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/nav/AIMapData.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/CompassFacing.h"
#include "ai/agents/GuardBrain.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"

void GuardSetup::Run(std::vector<PatrolMarker>& markers) {
  for (const PatrolMarker& marker : markers) {
    if (marker.pathNum > kLastPathNum || marker.pathNum < 0) {
      ai_.Log("Patrol marker " + std::to_string(marker.id) + " has path number " + std::to_string(marker.pathNum) +
             ", outside 0 to 10000: it makes no guard", 1);
    } else if (marker.pathNum - kPathsPerMap * marker.mapIndex >= kPathsPerMap) {
      ai_.Log("Patrol marker " + std::to_string(marker.id) + " of map " + std::to_string(marker.mapIndex) +
             " numbers its path " + std::to_string(marker.pathNum - kPathsPerMap * marker.mapIndex) +
             ": ten or more share numbers with the next map", 1);
    }
  }
  for (int32_t pathNum = 0; pathNum <= kLastPathNum && !markers.empty(); ++pathNum) {
    if (static_cast<int32_t>(ai_.GetPathSet().patrolPaths.size()) >= ai_.GetConfig().MaxGuards) return;
    auto used = std::stable_partition(markers.begin(), markers.end(),
                                      [pathNum](const PatrolMarker& m) { return m.pathNum != pathNum; });
    if (used == markers.end()) continue;
    std::vector<PatrolMarker> path(used, markers.end());
    markers.erase(used, markers.end());
    // Equal ids keep the order the map lists them in, so every run makes the same guards.
    std::stable_sort(path.begin(), path.end(), [](const PatrolMarker& a, const PatrolMarker& b) { return a.id < b.id; });
    MakeGuard(path);
  }
}

bool GuardSetup::MakeGuard(const std::vector<PatrolMarker>& markers) {
  const PatrolMarker& first = markers.front();
  AIMapData* graph = ai_.GetMapData(first.mapIndex);
  if (!graph) {
    ai_.Log("Patrol path " + std::to_string(first.pathNum) + " lies in map " + std::to_string(first.mapIndex) +
           ", which is not loaded: it makes no guard", 1);
    return false;
  }
  const auto firstNode = static_cast<int32_t>(graph->nodes.size());
  AIRoute path;
  for (const PatrolMarker& marker : markers) {
    const int32_t node = graph->AddNode(marker.position).id;
    path.nodeIds.push_back(node);
    // A negative pause would end the stop before it began.
    path.points.push_back({std::max(marker.pause, 0.0f), node, marker.direction});
  }
  path.nodeIds.push_back(firstNode);
  path.points.push_back({0.0f, firstNode, ""});
  // Linked both ways: the planner searches from the goal back along links, so a node that only
  // links out is never reached, and a thief whose nearest node it is could plan no route at all.
  for (int32_t node = firstNode; node < firstNode + static_cast<int32_t>(markers.size()); ++node) {
    graph->LinkNode(node, kPatrolLinks, true);
  }
  path.name = graph->MapName();
  path.mapIndex = first.mapIndex;
  ai_.GetPathSet().patrolPaths.push_back(path);
  return CreateGuard(first, static_cast<int32_t>(ai_.GetPathSet().patrolPaths.size()) - 1, markers.size()) != nullptr;
}

Entity* GuardSetup::CreateGuard(const PatrolMarker& first, int32_t pathIndex, size_t markerCount) {
  Entity* guard = world_.CreateEntity("Guard");
  AIComponent* agent = guard ? guard->Find<AIComponent>() : nullptr;
  if (!agent) {
    ai_.Log("No guard could be made for patrol path " + std::to_string(first.pathNum), 1);
    return nullptr;
  }
  agent->CreateBrain("guard");
  agent->Init(true);
  auto& brain = static_cast<GuardBrain&>(*agent->brain);
  brain.patrolPathIndex = pathIndex;
  if (agent->mapIndex) agent->mapIndex->mapIndex = static_cast<uint32_t>(first.mapIndex);
  world_.SetModelVariant(*guard, 0);
  agent->homePosition = first.position + platform::Vector3{0, 0, kPostHeight};
  if (agent->physical) agent->physical->SetPositionCached(agent->homePosition);
  // The snore is loaded now and played only while the guard sleeps in the user's map.
  agent->voice.physical.SetPosition(agent->homePosition);
  agent->voice.mapIndexComp.mapIndex = static_cast<uint32_t>(first.mapIndex);
  agent->voice.Loop = 1;
  agent->voice.SetFile("snore");
  CompassFacing(first.direction, agent->route->homeFacing);
  agent->lamp = markerCount > 2 ? 1 : 0;
  const bool watcher = first.type == "invincible";
  if (markerCount == 1 && !watcher) {
    world_.SetModelVariant(*guard, 1);
    brain.stateName = "sleep";
    brain.asleep = true;
    agent->current.actions.clear();
    if (first.type == "dead") {
      agent->Respawn();
      agent->enabled = 0;
      agent->asleep = 1;
      AIAction sleep;
      sleep.Name = "sleep";
      agent->current.actions = {sleep};
      if (agent->physical) agent->physical->SetDirection(agent->route->homeFacing);
    }
  } else if (watcher) {
    world_.SetModelVariant(*guard, 2);
    brain.stateName = markerCount == 1 ? "look no light" : "patrol";
    AIAction start;
    start.Name = brain.stateName;
    agent->current.actions = {start};
  }
  if (!agent->current.Empty()) agent->current.actions.front().started = 0;
  return guard;
}
