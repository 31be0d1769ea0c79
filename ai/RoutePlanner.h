#pragma once
#include <vector>

#include "ai/RouteQuery.h"
#include "ai/TeleporterEnds.h"

// Plans the request's route: from the node nearest the start to the node nearest the goal in
// the start's map, or, for a goal in another map, to a teleporter leading there. A stored
// route between nodes near both ends is reused (UseDataBase); otherwise the graph is searched,
// the route shortened by sight (PullPaths) and stored (SavePaths).
void PlanRoute(RouteQuery& q);
// The same with the game's teleporters given.
void PlanRoute(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);

// For a goal in another map: the teleporter of the start's map that leads into the goal's map,
// else one picked at random among those met nearer than all before (and farther than 100 from
// the start), which leads on; the goal becomes the teleporter's position.
void ChooseTeleporterLeg(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);
