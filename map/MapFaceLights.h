#pragma once
#include <cstdint>

#include "map/BspData.h"
#include "platform/math/Vector.h"

// A guard's flashlight as the map faces see it: where it is and where it points.
struct MapLight {
  platform::Vector3 position;
  platform::Vector3 direction;
};

// The lights (of at most two) that reach a face, and the first of them.
struct FaceLighting {
  int count = 0;
  int first = -1;
};

// A light reaches a face that does not turn its back on it (face normal . light direction at
// most 0.05) and that has at least one mesh vertex in front of the light.
FaceLighting LightsReachingFace(const BspData& map, const BspFace& face, const MapLight* lights, int lightCount);
