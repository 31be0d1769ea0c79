#include "ai/nav/AIPathSet.h"

#include <algorithm>

#include "ai/nav/PathFile.h"
#include "platform/core/Files.h"

void AIPathSet::AddPath(const AIRoute& route) {
  if (database.size() >= kMaxRoutes) database.resize(database.size() / 4);
  AIRoute entry;
  entry.name = route.name;
  entry.nodeIds = route.nodeIds;
  entry.mapIndex = route.mapIndex;
  entry.length = route.length;
  database.push_back(std::move(entry));
}

void AIPathSet::Load(const std::string& mapName, int32_t mapIndex, const NavLog& log) {
  const std::string path = PathFileName(mapName);
  const std::optional<std::vector<uint8_t>> bytes = platform::ReadFileBytes(path);
  if (!bytes) return;
  PathFileParse parse = ParsePathFile(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), mapName, mapIndex);
  for (AIRoute& route : parse.routes) {
    const int32_t useCount = route.useCount;
    AddPath(route);
    database.back().useCount = useCount;
  }
  std::stable_sort(database.begin(), database.end(), [](const AIRoute& a, const AIRoute& b) { return a.length < b.length; });
  // A badly damaged file says what was wrong with its first entries, and how many more there were.
  constexpr size_t kEntriesSaid = 10;
  for (size_t i = 0; i < parse.skipped.size() && i < kEntriesSaid; ++i) {
    LogLine(log, path + ": " + parse.skipped[i] + ": skipped", 2);
  }
  if (parse.skipped.size() > kEntriesSaid) {
    LogLine(log, path + ": " + std::to_string(parse.skipped.size() - kEntriesSaid) + " more entries skipped", 2);
  }
  std::string line = path + ": " + std::to_string(parse.routes.size()) + " routes loaded";
  if (parse.Dropped()) line += ", " + std::to_string(parse.Dropped()) + " dropped (damaged or another map's)";
  LogLine(log, line, 0);
}

void AIPathSet::Save(const std::string& mapName, int32_t mapIndex, size_t nodeCount, const NavLog& log) {
  std::stable_sort(database.begin(), database.end(), [](const AIRoute& a, const AIRoute& b) { return a.useCount > b.useCount; });
  const std::string path = PathFileName(mapName);
  if (!platform::WriteFileAtomic(path, PathFileText(database, mapName, mapIndex, nodeCount))) {
    LogLine(log, "Could not write the path file " + path + ": the file there stays as it was", 2);
  }
}

size_t AIPathSet::DropUnfitRoutes(size_t nodeCount) {
  return std::erase_if(database, [nodeCount](const AIRoute& route) { return !RouteFits(route, nodeCount); });
}
