#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/nav/AINode.h"

// The node-graph file beside a map: the node count, then per node its teleporter and super-node
// flags and reserved word, its position, its id and its links, as whitespace-separated numbers.

// "Maps/" + the map name with its last three characters replaced by "ngd"; none for a name
// shorter than three characters.
std::optional<std::string> NodeGraphFileName(const std::string& mapName);

// The file's text for nodes [first, end), ids renumbered from first; links to other nodes are
// left out.
std::string NodeGraphText(const std::vector<AINode>& nodes, size_t first, size_t end);

// The nodes of a graph file, with their file positions (not yet dropped to the floor), or the
// reason the file is refused. Every count and id is checked against what the text can hold
// before it is used: the count must fit the file, each node's id must be its position, each
// link an id of the file other than the node's own, each position within kWorldLimit, and
// nothing may follow the last node.
struct NodeGraphParse {
  std::vector<AINode> nodes;
  std::string error;  // empty when the file was read
};
NodeGraphParse ParseNodeGraph(std::string_view text, int8_t mapIndex);
