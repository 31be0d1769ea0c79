#include "ai/PathFile.h"

#include "ai/TextTokens.h"

namespace {

// The fewest bytes a node id takes: one digit and its separator.
constexpr size_t kMinIdBytes = 2;

}  // namespace

std::string PathFileName(const std::string& mapName) { return "Maps/" + mapName + ".path"; }

std::string PathFileEntry(const AIRoute& route, const std::string& mapName) {
  std::string text = mapName + "\t" + FixedText(route.length) + "\t" + IntText(route.useCount) + "\t" +
                     IntText(int32_t(route.nodeIds.size())) + "\n";
  for (int32_t id : route.nodeIds) text += IntText(id) + "\t";
  return text + "\n";
}

PathFileParse ParsePathFile(std::string_view text, const std::string& mapName, int32_t mapIndex) {
  PathFileParse result;
  TextTokens tokens(text);
  while (!tokens.AtEnd()) {
    // The map's own name may hold blanks; another map's is one token.
    const bool ours = tokens.Take(mapName);
    if (!ours) tokens.Next();
    const std::optional<float> length = tokens.NextFloat();
    const std::optional<int32_t> useCount = tokens.NextInt();
    const std::optional<int32_t> count = tokens.NextInt();
    if (!length || !useCount || !count) {
      ++result.dropped;
      break;
    }
    // A count of 0 names no route; a negative or huge one cannot be trusted, nor what follows.
    if (*count == 0) continue;
    if (*count < 0 || size_t(*count) > tokens.Remaining() / kMinIdBytes + 1) {
      ++result.dropped;
      break;
    }
    AIRoute route;
    route.nodeIds.reserve(size_t(*count));
    for (int32_t k = 0; k < *count; ++k) {
      const std::optional<int32_t> id = tokens.NextInt();
      if (!id) break;
      route.nodeIds.push_back(*id);
    }
    if (route.nodeIds.size() != size_t(*count)) {
      ++result.dropped;
      break;
    }
    if (!ours) {
      ++result.dropped;
      continue;
    }
    route.name = mapName;
    route.mapIndex = mapIndex;
    route.length = *length;
    route.useCount = *useCount;
    result.routes.push_back(std::move(route));
  }
  return result;
}
