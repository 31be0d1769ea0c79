#include "map/BspData.h"

#include <cstring>

std::string_view BspName(const char (&name)[kBspNameLength]) {
  return std::string_view(name, strnlen(name, kBspNameLength));
}

std::string BspLoadSummary(const BspData& map) {
  std::string line;
  auto count = [&](const char* label, size_t n) {
    if (!line.empty()) line += ' ';
    line += label + std::to_string(n);
  };
  count("Textures:", map.textures.size());
  count("Lightmaps:", map.lightmaps.size());
  count("Vertices:", map.vertices.size());
  count("Faces:", map.faces.size());
  count("Nodes:", map.nodes.size());
  count("Leaves:", map.leaves.size());
  count("Clusters:", size_t(map.clusterCount));
  count("Brushes:", map.brushes.size());
  count("Models:", map.models.size());
  return line;
}
