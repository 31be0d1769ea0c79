#pragma once
#include "platform/math/Vector.h"

struct BspData;

// The static light at a place: colours 0 .. 1 and the direction the light comes along.
struct LightSet {
  platform::Vector3 ambient{0.5f, 0.5f, 0.5f};
  platform::Vector3 directed{0.5f, 0.5f, 0.5f};
  platform::Vector3 direction{0, 1, 0.5f};
};

// The map's light grid (cells of 64 x 64 x 128 over the world model's bounds) sampled at a
// game position, blended between the eight samples around it. Outside the grid, and for a map
// without samples or a world model, the defaults. Samples are read only inside the grid, also
// at its edges and for a grid with fewer samples than its bounds need: there the edge sample
// stands in for the missing neighbour.
LightSet LightingForPosition(const BspData& map, const platform::Vector3& position);
