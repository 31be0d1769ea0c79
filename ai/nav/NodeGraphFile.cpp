#include "ai/nav/NodeGraphFile.h"

#include <cmath>

#include "ai/nav/TextTokens.h"
#include "map/WorldLimit.h"

namespace {

// The fewest bytes a node takes in a file: seven one-digit numbers, each with a separator.
constexpr size_t kMinNodeBytes = 14;

std::string Reason(size_t node, const std::string& what) { return "node " + std::to_string(node) + ": " + what; }

}  // namespace

std::optional<std::string> NodeGraphFileName(const std::string& mapName) {
  if (mapName.size() < 3) return std::nullopt;
  return "Maps/" + mapName.substr(0, mapName.size() - 3) + "ngd";
}

std::string NodeGraphText(const std::vector<AINode>& nodes, size_t first, size_t end) {
  std::string text = IntText(int32_t(end - first)) + "\n";
  for (size_t i = first; i < end; ++i) {
    const AINode& n = nodes[i];
    text += IntText(n.teleporter ? 1 : 0) + "\t" + IntText(n.isSuperNode ? 1 : 0) + "\t" + IntText(n.reserved) + "\n";
    text += FixedText(n.position.x) + " " + FixedText(n.position.y) + " " + FixedText(n.position.z) + "\n";
    // Links to nodes not written (those the game adds) are left out.
    std::vector<int32_t> links;
    for (int32_t id : n.neighbours) {
      if (id >= int32_t(first) && id < int32_t(end)) links.push_back(id - int32_t(first));
    }
    text += IntText(n.id - int32_t(first)) + "\t" + IntText(int32_t(links.size())) + "\t";
    for (int32_t id : links) {
      text += ' ';
      text += IntText(id);
    }
    text += "\n";
  }
  return text;
}

NodeGraphParse ParseNodeGraph(std::string_view text, int8_t mapIndex) {
  NodeGraphParse result;
  TextTokens tokens(text);
  const std::optional<int32_t> count = tokens.NextInt();
  if (!count) return {{}, "the node count is missing or not a number"};
  if (*count < 0 || size_t(*count) > tokens.Remaining() / kMinNodeBytes) {
    return {{}, "a node count of " + std::to_string(*count) + " does not fit the file"};
  }
  const auto n = size_t(*count);
  result.nodes.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const std::optional<int32_t> teleporter = tokens.NextInt(), super = tokens.NextInt(), reserved = tokens.NextInt();
    if (!teleporter || !super || !reserved) return {{}, Reason(i, "its flags are cut short or not numbers")};
    const std::optional<float> x = tokens.NextFloat(), y = tokens.NextFloat(), z = tokens.NextFloat();
    if (!x || !y || !z) return {{}, Reason(i, "its position is cut short or not three finite numbers")};
    if (!(std::fabs(*x) <= kWorldLimit && std::fabs(*y) <= kWorldLimit && std::fabs(*z) <= kWorldLimit)) {
      return {{}, Reason(i, "its position lies beyond any map")};
    }
    const std::optional<int32_t> id = tokens.NextInt();
    if (!id || *id != int32_t(i)) return {{}, Reason(i, "its id is not its position in the file")};
    const std::optional<int32_t> links = tokens.NextInt();
    if (!links || *links < 0 || *links > *count) return {{}, Reason(i, "its link count is not between 0 and the node count")};
    AINode node;
    node.teleporter = *teleporter != 0;
    node.isSuperNode = *super != 0;
    node.reserved = *reserved;
    node.position = {*x, *y, *z};
    node.id = *id;
    node.mapIndex = mapIndex;
    node.neighbours.reserve(size_t(*links));
    for (int32_t k = 0; k < *links; ++k) {
      const std::optional<int32_t> link = tokens.NextInt();
      if (!link || *link < 0 || *link >= *count) return {{}, Reason(i, "a link is cut short or names no node of the file")};
      if (*link == *id) return {{}, Reason(i, "it is linked to itself")};
      node.neighbours.push_back(*link);
    }
    result.nodes.push_back(std::move(node));
  }
  if (!tokens.AtEnd()) return {{}, "text follows the last node"};
  return result;
}
