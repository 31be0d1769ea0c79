#pragma once
#include <string>

#include "tools/mapgen/BspWriter.h"
#include "tools/mapgen/MuseumLayout.h"

// Everything of one museum map: geometry, BSP tree, visibility, lightmaps, light grid and
// the entity text.
BspFileContents BuildMuseumMap(const MapPlan& plan);

// The map-list file naming the plans' maps in order, in the game's XML list form.
std::string MapListXml(const std::vector<MapPlan>& plans);
