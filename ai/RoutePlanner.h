#pragma once
#include <vector>

#include "ai/RouteQuery.h"
#include "ai/TeleporterEnds.h"

class AIMapData;

// Plans the request's route: from the node nearest the start to the node nearest the goal in
// the start's map, or, for a goal in another map, to a teleporter leading there. A stored
// route between nodes near both ends is reused (UseDataBase); otherwise the graph is searched,
// the route shortened by sight (PullPaths) and stored (SavePaths).
// `q.request` must be set. The nodes are found by position, so no id needs checking here. When
// no route comes of it the request says so by what it holds: an empty route and `done` set for
// a map the AI has not loaded, a map without nodes or start and goal at one node; no route at
// all (the request reset) when the search fails, which also sets `q.failed` and counts in
// `q.failures`.
void PlanRoute(RouteQuery& q);
// The same with the game's teleporters given.
void PlanRoute(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);

// The stored routes of the map whose first node lies within 128 units of `start` and whose
// last within 128 of `goal` (strictly), every id a node of the map.
std::vector<AIRoute*> StoredRoutesBetween(AIMapData& map, const platform::Vector3& start, const platform::Vector3& goal);

// For a goal in another map: the teleporter of the start's map that leads into the goal's map,
// else one picked at random among those met nearer than all before (and farther than 100 from
// the start), which leads on; the goal becomes the teleporter's position.
void ChooseTeleporterLeg(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);
