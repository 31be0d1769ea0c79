#pragma once
#include <cstdint>
#include <vector>

#include "platform/physics/Vector.h"

namespace platform::physics {

// The scene's debug geometry, as lines and triangles with 0xAARRGGBB colours.
struct DebugLine {
  Vec3 p0, p1;
  uint32_t color;
};

struct DebugTriangle {
  Vec3 p0, p1, p2;
  uint32_t color;
};

struct DebugRenderable {
  std::vector<DebugLine> lines;
  std::vector<DebugTriangle> triangles;
};

}  // namespace platform::physics
