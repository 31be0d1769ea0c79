#pragma once
#include <string>
#include <vector>

#include "ai/AIRoute.h"
#include "entity/EntityManager.h"

// The routes and route markers the AI keeps beside the node graph. The AI system's set holds
// the level's patrol markers and the guards' patrol paths; each map's set is that map's route
// database, which lives on in the map's path file between runs.
class AIPathSet {
 public:
  // The database never holds more; when it is full it keeps its first quarter.
  static constexpr size_t kMaxRoutes = 100000;

  // Appends a database entry made from the route's name, node ids, map index and length;
  // its use count starts at 0.
  void AddPath(const AIRoute& route);

  // The markers of the level's patrol paths, by handle: their entities go with each game.
  std::vector<EntityHandle> guardPatrolMarkers;
  std::vector<EntityHandle> thiefPathMarkers;
  // Built by guard set-up; the index is the guard brain's patrol-path index.
  std::vector<AIRoute> patrolPaths;
  std::vector<AIRoute> database;
};
