#pragma once
#include "tools/mapgen/BspWriter.h"
#include "tools/mapgen/MuseumLayout.h"

// The BSP tree of a plan: axis-aligned planes split the areas apart until one is left, whose
// box is then carved out of the remaining space by its six sides (space outside every area
// ends in solid leaves of cluster -1). Area i gets leaf cluster i, holding faces
// firstFace[i] .. firstFace[i + 1] - 1. Fills planes, nodes, leaves and leaf faces.
void BuildBspTree(const MapPlan& plan, const std::vector<int>& firstFace, BspFileContents& out);

// Visibility rows: an area sees the areas at most three doorways away. The layouts turn
// corners so that nothing further can be in view, so this is conservative.
void BuildVisibility(const MapPlan& plan, BspFileContents& out);
