#include "tests/map/TestMaps.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "map/BspReader.h"
#include "map/MapGeometry.h"

BspFileContents MinimalMap() {
  BspFileContents m;
  m.entityText = "{\n\"classname\" \"worldspawn\"\n}\n";
  BspTexture t{};
  std::strcpy(t.name, "textures/museum/floor_wood");
  m.textures = {t};
  m.planes = {{{1, 0, 0}, 0}, {{0, 1, 0}, 5}};
  m.nodes = {{0, {1, -3}, {-64, -128, 0}, {64, 0, 32}}, {1, {-1, -2}, {-64, -128, 0}, {64, 0, 32}}};
  m.leaves = {{0, 0, {-64, -128, 0}, {64, 0, 32}, 0, 1, 0, 1},
              {1, 0, {-64, -128, 0}, {64, 0, 32}, 1, 0, 0, 0},
              {-1, -1, {0, 0, 0}, {0, 0, 0}, 1, 0, 0, 0}};
  m.leafFaces = {0};
  m.leafBrushes = {0};
  m.models = {{{-64, -128, 0}, {64, 0, 32}, 0, 1, 0, 1}};
  m.brushes = {{0, 1, 0}};
  m.brushSides = {{0, 0}};
  m.vertices.resize(3);
  m.vertices[1].position[0] = 10;  // the triangle (0, 0, 0), (10, 0, 0), (0, 20, 0)
  m.vertices[2].position[1] = 20;
  m.meshVertices = {0, 1, 2};
  BspEffect e{};
  std::strcpy(e.name, "fog");
  e.brush = 0;
  m.effects = {e};
  BspFace f{};
  f.texture = 0, f.effect = 0, f.type = kFacePolygon, f.firstVertex = 0, f.vertexCount = 3;
  f.firstMeshVertex = 0, f.meshVertexCount = 3, f.lightmap = 0;
  m.faces = {f};
  m.lightmaps.resize(1);
  m.lightVolumes.resize(2);
  m.clusterCount = 2;
  m.bytesPerCluster = 1;
  m.visBits = {0x01, 0x02};
  return m;
}

BspData LoadedMinimalMap(const BspFileContents& contents) {
  BspData map;
  BspReader::Parse(WriteBsp(contents), map);
  ConvertToWorldFrame(map);
  return map;
}

std::vector<uint8_t> DemoMapBytes(const std::string& name) {
  std::ifstream in(std::string(VR_GENERATED_DIR) + "/Maps/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
