#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "map/BspData.h"
#include "tools/mapgen/BspWriter.h"

// A tiny complete map: one texture, two planes, a root node over a second node, three leaves
// (clusters 0, 1 and solid), one triangle face with a lightmap, a brush with one side, an
// effect, two clusters of visibility data and one entity.
BspFileContents MinimalMap();

// The map read from its file bytes and turned into the world frame, as a load leaves it.
BspData LoadedMinimalMap(const BspFileContents& contents = MinimalMap());

// The bytes of a generated demo map ("lobby.bsp", ...).
std::vector<uint8_t> DemoMapBytes(const std::string& name);
