#include "ai/CompassFacing.h"

std::optional<platform::Vector3> CompassFacing(const std::string& direction) {
  if (direction == "north") return platform::Vector3{0.0f, 1.0f, 0.0f};
  if (direction == "south") return platform::Vector3{0.0f, -1.0f, 0.0f};
  if (direction == "west") return platform::Vector3{1.0f, 0.0f, 0.0f};
  if (direction == "east") return platform::Vector3{-1.0f, 0.0f, 0.0f};
  return std::nullopt;
}
