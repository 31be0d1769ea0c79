#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ai/AIRoute.h"

// The path file beside a map ("Maps/" + map name + ".path"): the map's route database, two
// lines per route: map name, length, use count and node count, then the node ids.

std::string PathFileName(const std::string& mapName);

// One route's two lines, under the given map name.
std::string PathFileEntry(const AIRoute& route, const std::string& mapName);

// The routes of a path file that belong to `mapName`, with `mapIndex`, keeping their length and
// use count. Refused are (and counted in `dropped`): a node count below 1 or beyond what the
// text still holds, a route of another map (or a name the game does not know), a cut or
// unreadable last entry. Reading stops at the first entry that cannot be read.
struct PathFileParse {
  std::vector<AIRoute> routes;
  size_t dropped = 0;
};
PathFileParse ParsePathFile(std::string_view text, const std::string& mapName, int32_t mapIndex);
