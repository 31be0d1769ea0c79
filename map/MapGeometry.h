#pragma once
#include <cstdint>

#include "map/BspData.h"

// The pure parts of a loaded map: the change from the file's frame to the world frame
// (every y negated), the face normals and the visibility test (the leaf lookup is
// LeafFinder). All of them rely on a map that BspReader has checked.

// Negates y of every plane normal, vertex position and vertex normal, then recomputes the
// face normals (ComputeFacePlanes). Node box centres are already in the world frame.
void ConvertToWorldFrame(BspData& map);

// Each face's normal becomes the unit normal of its first non-degenerate triangle fan
// (P1 - P0) x (Pk - P0) over its mesh vertices. A face with no such triangle (patches,
// billboards, degenerate polygons) keeps the normal the file gave it, in the world frame.
void ComputeFacePlanes(BspData& map);

// The potentially visible set: true when `from` may see `to`. A negative cluster, a cluster
// seeing itself, a map without visibility data and a cluster outside the visibility data all
// count as visible.
bool IsClusterVisible(const BspData& map, int32_t from, int32_t to);
