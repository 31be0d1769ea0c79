#pragma once
#include "map/BspData.h"

// Structural checks of a freshly read map, run once by BspReader. Throws BspError
// ("Not a valid BSP file" with a detail) when any reference leaves its vector:
// faces (texture, vertex range, mesh-vertex range and every offset in it, lightmap), nodes
// (plane, children; the nodes reachable from node 0 must form a tree no deeper than
// kMaxBspTreeDepth), leaves (leaf-face and leaf-brush ranges), leaf faces, leaf brushes,
// models, brushes, brush sides and effects. At least one node, leaf and model must exist.
// Planes, vertex positions and model bounds must hold finite numbers (published maps carry
// NaN in some vertex normals and texture coordinates, which nothing collides with).
// A face's effect index is unused by the game and some published maps get it wrong: an index
// outside the effects becomes -1 (none) instead of refusing the file.
void ValidateBsp(BspData& map);

constexpr int kMaxBspTreeDepth = 1024;
