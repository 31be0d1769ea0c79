#pragma once
#include <string>

#include "platform/math/Vector.h"

// The facing a patrol marker's "Direction" names: "north" (0, 1, 0), "south" (0, -1, 0),
// "west" (1, 0, 0), "east" (-1, 0, 0), matched exactly. False, leaving `facing` alone, for any
// other word.
inline bool CompassFacing(const std::string& direction, platform::Vector3& facing) {
  if (direction == "north") {
    facing = {0, 1, 0};
  } else if (direction == "south") {
    facing = {0, -1, 0};
  } else if (direction == "west") {
    facing = {1, 0, 0};
  } else if (direction == "east") {
    facing = {-1, 0, 0};
  } else {
    return false;
  }
  return true;
}
