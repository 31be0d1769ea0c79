#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ai/nav/PathPoint.h"

class AIMapData;

// A list of node ids of one map's graph, in walking order: a planned route, a patrol path or a
// route-database entry.
struct AIRoute {
  // Empty for planned routes; the map's name for patrol paths and database entries.
  std::string name;
  // One per node for a patrol path; empty otherwise.
  std::vector<PathPoint> points;
  std::vector<int32_t> nodeIds;
  // How often the planner reused a database entry.
  int32_t useCount = 0;
  int32_t mapIndex = 0;
  // The walking length in world units (the links summed) once planned; kept in the path file.
  float length = 0.0f;

  void Clear();
  // Appends the other route's node ids and points.
  void Append(const AIRoute& other);
  // Shortens the route in its map's graph `map`: a middle node goes when the node after it is
  // in clear sight from the one before, within 500 units. `passes` runs over the route.
  void Pull(int passes, const AIMapData& map);
};
