#pragma once
#include <vector>

#include "ai/nav/RouteQuery.h"
#include "ai/nav/RouteSettings.h"
#include "ai/nav/TeleporterEnds.h"

class AIMapData;

// Plans the query's route in `map`, the graph of the start's map (null when it is not loaded):
// from the node nearest the start to the node nearest the goal, or, for a goal in another map,
// to one of `teleporters` leading there. A stored route between nodes near both ends is reused
// (settings.useDatabase); otherwise the graph is searched, the route shortened by sight
// (settings.pull) and stored (settings.save).
// The nodes are found by position, so no id needs checking here. What came of it is in the
// query: an empty `planned` route and `done` set for a map that is not loaded, a map without
// nodes or start and goal at one node; no route at all (DropPlan) when the search fails, which
// also sets `q.failed` and counts in `q.failures`.
void PlanRoute(RouteQuery& q, AIMapData* map, const RouteSettings& settings, const std::vector<TeleporterEnds>& teleporters);

// The stored routes of the map whose first node lies within 128 units of `start` and whose
// last within 128 of `goal` (strictly), every id a node of the map.
std::vector<AIRoute*> StoredRoutesBetween(AIMapData& map, const platform::Vector3& start, const platform::Vector3& goal);

// For a goal in another map: the teleporter of the start's map that leads into the goal's map,
// else one picked at random among those met nearer than all before (and farther than 100 from
// the start), which leads on; the goal becomes the teleporter's position.
void ChooseTeleporterLeg(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);
