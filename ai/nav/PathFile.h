#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ai/nav/AIRoute.h"

// The path file beside a map ("Maps/" + map name + ".path"): the map's route database, two
// lines per route: map name, length, use count and node count, then the node ids.

std::string PathFileName(const std::string& mapName);

// One route's two lines, under the given map name.
std::string PathFileEntry(const AIRoute& route, const std::string& mapName);

// Whether the route names at least one node and only nodes below `nodeCount`.
bool RouteFits(const AIRoute& route, size_t nodeCount);

// The file's text for the routes of map `mapIndex` whose node ids all lie below `nodeCount`, in
// the order given, under the map's name.
std::string PathFileText(const std::vector<AIRoute>& routes, const std::string& mapName, int32_t mapIndex,
                         size_t nodeCount);

// The routes of a path file that belong to `mapName`, with `mapIndex`, keeping their length and
// use count. An entry that cannot be taken is skipped and reading goes on with the next one,
// so one bad entry never costs the routes after it:
// - a length that is not finite or is negative, a use count that is not a whole number or is
//   negative, a node count of 0: the entry is stepped over whole;
// - a length or use count that is no number at all, a node count that is not a number, negative
//   or beyond what the text holds, node ids cut short or not numbers: the entry lost its shape
//   and what follows cannot be trusted, so reading goes on at the next line that begins with a
//   name (not a number), where the writer starts each entry.
// Each skipped entry is described in `skipped` ("entry 3 (line 5): its length is not a finite
// number"). Another map's whole entries are only counted, in `otherMaps`.
struct PathFileParse {
  std::vector<AIRoute> routes;
  std::vector<std::string> skipped;
  size_t otherMaps = 0;

  size_t Dropped() const { return skipped.size() + otherMaps; }
};
PathFileParse ParsePathFile(std::string_view text, const std::string& mapName, int32_t mapIndex);
