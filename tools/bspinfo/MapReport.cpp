#include "tools/bspinfo/MapReport.h"

#include <iomanip>
#include <map>

#include "map/BspReader.h"

namespace {

size_t LumpRecords(const BspData& map, int lump) {
  switch (lump) {
    case kLumpEntities: return map.entityKeyValues.size();
    case kLumpTextures: return map.textures.size();
    case kLumpPlanes: return map.planes.size();
    case kLumpNodes: return map.nodes.size();
    case kLumpLeaves: return map.leaves.size();
    case kLumpLeafFaces: return map.leafFaces.size();
    case kLumpLeafBrushes: return map.leafBrushes.size();
    case kLumpModels: return map.models.size();
    case kLumpBrushes: return map.brushes.size();
    case kLumpBrushSides: return map.brushSides.size();
    case kLumpVertices: return map.vertices.size();
    case kLumpMeshVertices: return map.meshVertices.size();
    case kLumpEffects: return map.effects.size();
    case kLumpFaces: return map.faces.size();
    case kLumpLightmaps: return map.lightmaps.size();
    case kLumpLightVolumes: return map.lightVolumes.size();
    default: return size_t(map.clusterCount);  // the visibility rows, one per cluster
  }
}

void Row(std::ostream& out, const std::string& name, size_t count) {
  out << "  " << std::left << std::setw(28) << name << ' ' << count << '\n';
}

}  // namespace

void WriteMapReport(const BspData& map, std::ostream& out) {
  out << "Lumps:\n";
  for (int lump = 0; lump < kBspLumpCount; ++lump) Row(out, BspLumpName(lump), LumpRecords(map, lump));

  std::map<std::string, size_t> classes;
  for (const KeyValueMap& entity : map.entityKeyValues) {
    auto name = entity.find("classname");
    ++classes[name == entity.end() ? "(no classname)" : name->second];
  }
  out << "Entity classes:\n";
  for (const auto& [name, count] : classes) Row(out, name, count);
  for (const std::string& problem : map.entityProblems) out << "  entity text: " << problem << '\n';

  out << "Clusters: " << map.clusterCount << '\n';
  out << "Textures:\n";
  for (const BspTexture& texture : map.textures) out << "  " << BspName(texture.name) << '\n';
}

bool CheckMap(const std::string& path, std::ostream& out, std::ostream& err) {
  BspData map;
  try {
    BspReader::Read(path, map);
  } catch (const BspError& e) {
    err << path << ": " << e.what();
    // The open failure's detail is the path again.
    if (e.detail() != path) err << ": " << e.detail();
    err << '\n';
    return false;
  }
  out << path << '\n';
  WriteMapReport(map, out);
  return true;
}
