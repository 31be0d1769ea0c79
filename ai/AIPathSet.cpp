#include "ai/AIPathSet.h"

#include <algorithm>

#include "ai/AIConfig.h"
#include "ai/PathFile.h"
#include "engine/Engine.h"
#include "platform/core/Files.h"

namespace {

void LogAI(const std::string& text) { Engine::Get()->GetLog()->Write(kAILog, text, 0); }

bool Fits(const AIRoute& route, size_t nodeCount) {
  return std::all_of(route.nodeIds.begin(), route.nodeIds.end(),
                     [nodeCount](int32_t id) { return id >= 0 && size_t(id) < nodeCount; });
}

}  // namespace

void AIPathSet::AddPath(const AIRoute& route) {
  if (database.size() >= kMaxRoutes) database.resize(database.size() / 4);
  AIRoute entry;
  entry.name = route.name;
  entry.nodeIds = route.nodeIds;
  entry.mapIndex = route.mapIndex;
  entry.length = route.length;
  database.push_back(std::move(entry));
}

void AIPathSet::Load(const std::string& mapName, int32_t mapIndex) {
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
  std::string line = path + ": " + std::to_string(parse.routes.size()) + " routes loaded";
  if (parse.dropped) line += ", " + std::to_string(parse.dropped) + " dropped (cut short, bad counts or another map's)";
  LogAI(line);
}

void AIPathSet::Save(const std::string& mapName, int32_t mapIndex, size_t nodeCount) {
  std::stable_sort(database.begin(), database.end(), [](const AIRoute& a, const AIRoute& b) { return a.useCount > b.useCount; });
  std::string text;
  for (const AIRoute& route : database) {
    if (route.mapIndex == mapIndex && !route.nodeIds.empty() && Fits(route, nodeCount)) text += PathFileEntry(route, mapName);
  }
  const std::string path = PathFileName(mapName);
  if (!platform::WriteFileAtomic(path, text)) {
    Engine::Get()->GetLog()->Write(kAILog, "Could not write the path file " + path + ": the file there stays as it was", 2);
  }
}

size_t AIPathSet::DropUnfitRoutes(size_t nodeCount) {
  return std::erase_if(database, [nodeCount](const AIRoute& route) { return route.nodeIds.empty() || !Fits(route, nodeCount); });
}
