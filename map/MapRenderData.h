#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "map/BspData.h"
#include "map/Lightmap.h"
#include "map/MapTextures.h"
#include "platform/math/Vector.h"

class BspMap;

// One map vertex as the graphics card takes it: position, normal, surface and lightmap
// texture coordinates, in the world frame (the file's colour is dropped).
struct MapVertex {
  platform::Vector3 position;
  platform::Vector3 normal;
  platform::Vector2 texCoord;
  platform::Vector2 lightmapCoord;
};
static_assert(sizeof(MapVertex) == 40);

// What a loaded map needs to be drawn, on the processor's side: the vertices and the 16-bit
// indices (each mesh vertex's offset, to be drawn from the face's first vertex), the name and
// flags of every map texture, the brightened lightmaps, and one queued mark per face for the
// visible-face walk. The graphics upload these once per map and draw from them.
class MapRenderData {
 public:
  // Loads the texture lists and builds from the map's data. A face whose mesh-vertex offsets
  // do not fit 16 bits is logged on "GraphicsLog" and the map is left without indices.
  void Build(const BspMap& map);
  // The same without files or logs, from a checked map; false when an index does not fit.
  bool Build(const BspData& map, const MapTextureLists& lists);
  void Clear();

  const BspMap* GetMap() const { return map_; }
  const std::vector<MapVertex>& GetVertices() const { return vertices_; }
  const std::vector<uint16_t>& GetIndices() const { return indices_; }
  const std::vector<std::string>& GetTextureNames() const { return textureNames_; }
  const std::vector<TextureRenderFlags>& GetTextureFlags() const { return textureFlags_; }
  const std::vector<LightmapImage>& GetLightmaps() const { return lightmaps_; }
  std::vector<uint8_t>& FaceQueued() { return faceQueued_; }

 private:
  const BspMap* map_ = nullptr;
  std::vector<MapVertex> vertices_;
  std::vector<uint16_t> indices_;
  std::vector<std::string> textureNames_;
  std::vector<TextureRenderFlags> textureFlags_;
  std::vector<LightmapImage> lightmaps_;
  std::vector<uint8_t> faceQueued_;
};
