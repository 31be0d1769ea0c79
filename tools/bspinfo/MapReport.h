#pragma once
#include <ostream>
#include <string>

#include "map/BspData.h"

// What a level designer wants to know of a map before the game loads it: the records in each
// lump, the entity classes it places with how many of each, its visibility clusters, and the
// textures it names.
void WriteMapReport(const BspData& map, std::ostream& out);

// Reads the map at `path` through the game's own loader. An accepted map is reported on `out`
// and true comes back; a refused one gets the loader's message and reason on `err`, naming the
// file, and false comes back.
bool CheckMap(const std::string& path, std::ostream& out, std::ostream& err);
