#pragma once
#include "tools/mapgen/BspWriter.h"
#include "tools/mapgen/MapQuads.h"

// Simple baked light: every area is lit by lamps under its ceiling (Lambert with a soft
// fall-off, no shadows, no light through doorways) over a little ambient light. Face i of
// `out` is quads[i] and owns vertices 4i .. 4i + 3; their lightmap coordinates, the faces'
// lightmap fields and the 128 x 128 lightmap pages are filled here.
void BakeLightmaps(const MapPlan& plan, const std::vector<Quad>& quads, BspFileContents& out);

// The light grid over the world model's bounds, cells of 64 x 64 x 128 units: ambient and
// directed colour of the area each sample stands in, black outside every area.
void BakeLightGrid(const MapPlan& plan, BspFileContents& out);
