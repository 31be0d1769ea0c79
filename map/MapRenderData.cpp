#include "map/MapRenderData.h"

#include <limits>

#include "engine/Engine.h"
#include "map/BspMap.h"

namespace {

MapVertex ToMapVertex(const BspVertex& v) {
  return {{v.position[0], v.position[1], v.position[2]},
          {v.normal[0], v.normal[1], v.normal[2]},
          {v.texCoord[0], v.texCoord[1]},
          {v.lightmapCoord[0], v.lightmapCoord[1]}};
}

}  // namespace

void MapRenderData::Build(const BspMap& map) {
  MapTextureLists lists;
  lists.Load();
  if (!Build(map.Data(), lists)) {
    Engine::Get()->GetLog()->Write(
        "GraphicsLog", "Map " + map.GetPath() + " has a face of more than 65536 vertices; its faces are not drawn", 2);
  }
  map_ = &map;
}

bool MapRenderData::Build(const BspData& map, const MapTextureLists& lists) {
  Clear();
  faceQueued_.assign(map.faces.size(), 0);

  vertices_.reserve(map.vertices.size());
  for (const BspVertex& v : map.vertices) vertices_.push_back(ToMapVertex(v));

  textureNames_.reserve(map.textures.size());
  textureFlags_.reserve(map.textures.size());
  for (const BspTexture& t : map.textures) {
    textureNames_.emplace_back(BspName(t.name));
    textureFlags_.push_back(FlagsForTexture(textureNames_.back(), lists));
  }

  lightmaps_.resize(map.lightmaps.size());
  for (size_t i = 0; i < map.lightmaps.size(); ++i) BuildLightmapImage(map.lightmaps[i], lightmaps_[i]);

  // Offsets count from the face's first vertex, so only a face of more than 65536 vertices
  // needs one beyond 16 bits. Mesh vertices no face uses are never drawn and stay 0.
  indices_.assign(map.meshVertices.size(), 0);
  for (const BspFace& face : map.faces) {
    for (int32_t k = face.firstMeshVertex; k < face.firstMeshVertex + face.meshVertexCount; ++k) {
      const int32_t offset = map.meshVertices[size_t(k)];
      if (offset > std::numeric_limits<uint16_t>::max()) {
        indices_.clear();
        return false;
      }
      indices_[size_t(k)] = uint16_t(offset);
    }
  }
  return true;
}

void MapRenderData::Clear() {
  map_ = nullptr;
  vertices_.clear();
  indices_.clear();
  textureNames_.clear();
  textureFlags_.clear();
  lightmaps_.clear();
  faceQueued_.clear();
}
