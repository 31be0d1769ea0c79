#pragma once
#include <cstdint>
#include <string>

// One point of a patrol path: how long to pause there and which way to face.
struct PathPoint {
  float pause = 0.0f;
  int32_t nodeIndex = 0;
  // "north", "south", "east", "west", or anything else for no facing of its own.
  std::string direction;
};
