#pragma once
#include <string>
#include <vector>

#include "ai/nav/AIRoute.h"
#include "ai/nav/NavLog.h"
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

  // Appends the routes of the map's path file, with their length and use count, then sorts
  // the database by length. One line on `log` says how many were loaded and dropped.
  void Load(const std::string& mapName, int32_t mapIndex, const NavLog& log);
  // Writes the database's routes of map `mapIndex` whose ids lie below `nodeCount`, most used
  // first, in place of the old file only once written (a failure is logged, the old file stays).
  void Save(const std::string& mapName, int32_t mapIndex, size_t nodeCount, const NavLog& log);
  // Drops the routes with an id outside [0, nodeCount): a file read before the game's nodes
  // existed is checked once the graph is complete. Returns how many went.
  size_t DropUnfitRoutes(size_t nodeCount);

  // The markers of the level's patrol paths, by handle: their entities go with each game.
  std::vector<EntityHandle> guardPatrolMarkers;
  std::vector<EntityHandle> thiefPathMarkers;
  // Built by guard set-up; the index is the guard brain's patrol-path index.
  std::vector<AIRoute> patrolPaths;
  std::vector<AIRoute> database;
};
