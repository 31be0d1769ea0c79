#include "map/BspReader.h"
#include "map/BspValidate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "tests/map/TestMaps.h"
#include "tests/support/TempDir.h"
#include "platform/core/Files.h"

namespace {

std::string ParseError(const std::vector<uint8_t>& bytes, std::string* detail = nullptr) {
  BspData map;
  try {
    BspReader::Parse(bytes, map);
  } catch (const BspError& e) {
    if (detail) *detail = e.detail();
    EXPECT_TRUE(map.nodes.empty() && map.faces.empty()) << "a refused file leaves the map empty";
    return e.what();
  }
  return "";
}

BspLumpEntry& Lump(std::vector<uint8_t>& bytes, int index) {
  return reinterpret_cast<BspHeader*>(bytes.data())->lumps[index];
}

TEST(BspReader, ConvertsNodeAndLeafBoxes) {
  BspData map;
  BspReader::Parse(WriteBsp(MinimalMap()), map);
  ASSERT_EQ(map.nodes.size(), 2u);
  EXPECT_EQ(map.nodes[0].center[0], 0.0f);
  EXPECT_EQ(map.nodes[0].center[1], 64.0f);  // node centres are flipped already
  EXPECT_EQ(map.nodes[0].center[2], 16.0f);
  EXPECT_EQ(map.nodes[0].halfSize[0], 64.0f);
  EXPECT_EQ(map.nodes[0].halfSize[1], 64.0f);
  EXPECT_EQ(map.nodes[0].halfSize[2], 16.0f);
  EXPECT_EQ(map.leaves[0].center[1], -64.0f);  // leaf centres are not
  EXPECT_EQ(map.leaves[0].halfSize[1], 64.0f);
  EXPECT_EQ(map.clusterCount, 2);
  EXPECT_EQ(map.bytesPerCluster, 1);
  ASSERT_EQ(map.entityKeyValues.size(), 1u);
  EXPECT_EQ(map.entityKeyValues[0].at("classname"), "worldspawn");
  EXPECT_EQ(BspLoadSummary(map),
            "Textures:1 Lightmaps:1 Vertices:3 Faces:1 Nodes:2 Leaves:3 Clusters:2 Brushes:1 Models:1");
}

TEST(BspReader, TakesWholeRecordsAndEmptyLumps) {
  BspFileContents c = MinimalMap();
  c.lightVolumes.clear();
  c.clusterCount = 0;
  c.visBits.clear();
  std::vector<uint8_t> bytes = WriteBsp(c);
  // Move the textures to the end as one 72-byte record and a 28-byte remainder.
  const BspLumpEntry textures = Lump(bytes, kLumpTextures);
  std::vector<uint8_t> moved(bytes.begin() + textures.offset,
                             bytes.begin() + textures.offset + textures.length);
  moved.resize(100, 0xEE);
  Lump(bytes, kLumpTextures) = {int32_t(bytes.size()), 100};
  bytes.insert(bytes.end(), moved.begin(), moved.end());
  BspData map;
  BspReader::Parse(bytes, map);
  EXPECT_EQ(map.textures.size(), 1u);
  EXPECT_TRUE(map.lightVolumes.empty());
  EXPECT_EQ(map.clusterCount, 0);
  EXPECT_TRUE(map.visBits.empty());
}

TEST(BspReader, ReadingAgainReplacesEverything) {
  TempDir dir;
  std::vector<uint8_t> big = DemoMapBytes("lobby.bsp");
  std::vector<uint8_t> small = WriteBsp(MinimalMap());
  ASSERT_TRUE(platform::WriteFileAtomic("a.bsp", std::string(big.begin(), big.end())));
  ASSERT_TRUE(platform::WriteFileAtomic("B.BSP", std::string(small.begin(), small.end())));
  BspData map;
  BspReader::Read("a.bsp", map);
  EXPECT_GT(map.faces.size(), 1u);
  BspReader::Read("b.bsp", map);  // found whatever the case on disk
  EXPECT_EQ(map.faces.size(), 1u);
  EXPECT_EQ(map.entityKeyValues.size(), 1u);
  EXPECT_THROW(BspReader::Read("missing.bsp", map), BspError);
  try {
    BspReader::Read("missing.bsp", map);
  } catch (const BspError& e) {
    EXPECT_STREQ(e.what(), "Could not open file");
  }
}

TEST(BspReader, RefusesWrongMagicVersionAndTruncation) {
  std::vector<uint8_t> good = WriteBsp(MinimalMap());
  std::vector<uint8_t> bytes = good;
  bytes[3] = 'Q';
  EXPECT_EQ(ParseError(bytes), "Not a valid BSP file");
  bytes = good;
  bytes[4] = 47;
  EXPECT_EQ(ParseError(bytes), "Unsupported version");
  for (size_t size : {size_t(0), size_t(3), size_t(143), good.size() - 1, good.size() / 2}) {
    bytes.assign(good.begin(), good.begin() + long(size));
    EXPECT_EQ(ParseError(bytes), "Not a valid BSP file") << size;
  }
}

TEST(BspReader, RefusesBadLumpTable) {
  std::vector<uint8_t> good = WriteBsp(MinimalMap());
  std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> cases = {
      {"negative offset", [](auto& b) { Lump(b, kLumpFaces).offset = -4; }},
      {"negative length", [](auto& b) { Lump(b, kLumpFaces).length = -104; }},
      {"oversized", [](auto& b) { Lump(b, kLumpVertices).length = 0x7fffffff; }},
      {"offset past the end", [](auto& b) { Lump(b, kLumpPlanes).offset = int32_t(b.size()); }},
      {"in the header", [](auto& b) { Lump(b, kLumpPlanes).offset = 16; }},
      {"overlapping", [](auto& b) { Lump(b, kLumpPlanes).offset = Lump(b, kLumpTextures).offset; }},
  };
  for (auto& [name, mutate] : cases) {
    std::vector<uint8_t> bytes = good;
    mutate(bytes);
    EXPECT_EQ(ParseError(bytes), "Not a valid BSP file") << name;
  }
}

TEST(BspReader, RefusesVisibilityLargerThanItsLump) {
  std::vector<uint8_t> good = WriteBsp(MinimalMap());
  auto visHeader = [](std::vector<uint8_t>& b) {
    return reinterpret_cast<int32_t*>(b.data() + Lump(b, kLumpVisibility).offset);
  };
  std::vector<std::pair<int32_t, int32_t>> headers = {
      {3, 1}, {2, 2}, {1 << 20, 1 << 20}, {0x7fffffff, 0x7fffffff}, {-1, 1}, {2, -1}, {9, 1}};
  for (auto [count, rowBytes] : headers) {
    std::vector<uint8_t> bytes = good;
    visHeader(bytes)[0] = count;
    visHeader(bytes)[1] = rowBytes;
    EXPECT_EQ(ParseError(bytes), "Not a valid BSP file") << count << " x " << rowBytes;
  }
  std::vector<uint8_t> bytes = good;
  Lump(bytes, kLumpVisibility).length = 4;
  EXPECT_EQ(ParseError(bytes), "Not a valid BSP file");
}

// Each case breaks one reference of the minimal map; all must be refused with a detail.
TEST(BspReader, RefusesEveryOutOfRangeIndex) {
  std::vector<std::pair<const char*, std::function<void(BspFileContents&)>>> cases = {
      {"face texture", [](auto& m) { m.faces[0].texture = 1; }},
      {"face negative texture", [](auto& m) { m.faces[0].texture = -1; }},
      {"face vertices", [](auto& m) { m.faces[0].vertexCount = 4; }},
      {"face first vertex", [](auto& m) { m.faces[0].firstVertex = -1; }},
      {"face vertex overflow", [](auto& m) { m.faces[0].firstVertex = 0x7fffffff; }},
      {"face mesh vertices", [](auto& m) { m.faces[0].meshVertexCount = 4; }},
      {"face mesh offset", [](auto& m) { m.meshVertices[2] = 3; }},
      {"face negative mesh offset", [](auto& m) { m.meshVertices[1] = -1; }},
      {"face lightmap", [](auto& m) { m.faces[0].lightmap = 1; }},
      {"node plane", [](auto& m) { m.nodes[1].plane = 2; }},
      {"node child node", [](auto& m) { m.nodes[0].children[0] = 2; }},
      {"node child leaf", [](auto& m) { m.nodes[1].children[1] = -4; }},
      {"node most negative child", [](auto& m) { m.nodes[1].children[1] = INT32_MIN; }},
      {"node cycle", [](auto& m) { m.nodes[1].children[0] = 0; }},
      {"node self", [](auto& m) { m.nodes[1].children[0] = 1; }},
      {"node shared", [](auto& m) { m.nodes[0].children[1] = 1; }},
      {"zero nodes", [](auto& m) { m.nodes.clear(); }},
      {"zero leaves", [](auto& m) { m.leaves.clear(); }},
      {"zero models", [](auto& m) { m.models.clear(); }},
      {"leaf faces", [](auto& m) { m.leaves[0].leafFaceCount = 2; }},
      {"leaf brushes", [](auto& m) { m.leaves[0].firstLeafBrush = 1; }},
      {"leaf face entry", [](auto& m) { m.leafFaces[0] = 1; }},
      {"leaf brush entry", [](auto& m) { m.leafBrushes[0] = -1; }},
      {"model faces", [](auto& m) { m.models[0].faceCount = 2; }},
      {"model brushes", [](auto& m) { m.models[0].firstBrush = -1; }},
      {"brush sides", [](auto& m) { m.brushes[0].sideCount = 2; }},
      {"brush texture", [](auto& m) { m.brushes[0].texture = 5; }},
      {"brush side plane", [](auto& m) { m.brushSides[0].plane = 2; }},
      {"brush side texture", [](auto& m) { m.brushSides[0].texture = -2; }},
      {"effect brush", [](auto& m) { m.effects[0].brush = 1; }},
      {"plane normal NaN", [](auto& m) { m.planes[1].normal[2] = std::nanf(""); }},
      {"plane distance infinite", [](auto& m) { m.planes[0].distance = -INFINITY; }},
      {"vertex position NaN", [](auto& m) { m.vertices[2].position[0] = std::nanf(""); }},
      {"model bounds NaN", [](auto& m) { m.models[0].maxs[2] = std::nanf(""); }},
  };
  for (auto& [name, mutate] : cases) {
    BspFileContents c = MinimalMap();
    mutate(c);
    std::string detail;
    EXPECT_EQ(ParseError(WriteBsp(c), &detail), "Not a valid BSP file") << name;
    EXPECT_FALSE(detail.empty()) << name;
  }
}

TEST(BspReader, RefusesTreesDeeperThanTheRenderWalkCanGo) {
  BspFileContents c = MinimalMap();
  c.nodes.clear();
  for (int i = 0; i <= kMaxBspTreeDepth; ++i)
    c.nodes.push_back({0, {i + 1, -3}, {0, 0, 0}, {0, 0, 0}});
  c.nodes.back().children[0] = -1;
  EXPECT_EQ(ParseError(WriteBsp(c)), "Not a valid BSP file");
  c.nodes.pop_back();
  c.nodes.back().children[0] = -1;
  EXPECT_EQ(ParseError(WriteBsp(c)), "");
}

// Published maps give flares effect 0 with no effects at all; the unused index is dropped.
TEST(BspReader, DropsAFaceEffectOutsideTheEffects) {
  BspFileContents c = MinimalMap();
  c.effects.clear();
  BspData map;
  BspReader::Parse(WriteBsp(c), map);
  EXPECT_EQ(map.faces[0].effect, -1);
}

TEST(BspReader, BoundsNamesWithoutNul) {
  BspFileContents c = MinimalMap();
  std::memset(c.textures[0].name, 'x', kBspNameLength);
  BspData map;
  BspReader::Parse(WriteBsp(c), map);
  EXPECT_EQ(BspName(map.textures[0].name), std::string(kBspNameLength, 'x'));
  EXPECT_EQ(BspName(map.effects[0].name), "fog");
}

}  // namespace
