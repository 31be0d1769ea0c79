#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "tests/map/BspMutator.h"
#include "tests/map/TestMaps.h"
#include "tests/map/ZipArchive.h"

namespace {

// Uses everything a loaded map offers, so that the sanitizers see any index the checks let by.
void Exercise(BspData& map, std::mt19937& random) {
  ConvertToWorldFrame(map);
  for (const BspTexture& t : map.textures) EXPECT_LE(BspName(t.name).size(), 64u);
  int64_t sum = 0;
  for (const BspLeaf& leaf : map.leaves)
    for (int32_t k = 0; k < leaf.leafFaceCount; ++k) {
      const BspFace& f = map.faces[size_t(map.leafFaces[size_t(leaf.firstLeafFace + k)])];
      for (int32_t m = 0; m < f.meshVertexCount; ++m)
        sum += int64_t(map.vertices[size_t(f.firstVertex + map.meshVertices[size_t(f.firstMeshVertex + m)])].color[0]);
      if (f.lightmap >= 0) sum += map.lightmaps[size_t(f.lightmap)].texels[0][0][0];
      sum += map.textures[size_t(f.texture)].contentFlags;
    }
  std::uniform_real_distribution<float> coordinate(-4096.0f, 4096.0f);
  LeafFinder finder(map);
  for (int i = 0; i < 8; ++i) {
    float p[3] = {coordinate(random), coordinate(random), coordinate(random)};
    int32_t leaf = finder.FindLeafIndex(p);
    ASSERT_GE(leaf, 0);
    IsClusterVisible(map, map.leaves[size_t(leaf)].cluster, int32_t(random() % 4096) - 8);
  }
  EXPECT_GE(sum, 0);
}

void Fuzz(const std::vector<uint8_t>& original, uint32_t seed, int runs) {
  BspMutator mutator(seed);
  std::mt19937 random(seed);
  int loaded = 0, refused = 0;
  for (int i = 0; i < runs; ++i) {
    std::vector<uint8_t> bytes = mutator.Mutate(original);
    BspData map;
    try {
      BspReader::Parse(bytes, map);
    } catch (const BspError&) {
      ++refused;
      continue;
    }
    ++loaded;
    Exercise(map, random);
  }
  // Both outcomes must be common, or the mutations test nothing.
  EXPECT_GT(loaded, runs / 20);
  EXPECT_GT(refused, runs / 20);
}

TEST(BspFuzz, MutatedDemoMaps) {
  std::vector<uint8_t> lobby = DemoMapBytes("lobby.bsp");
  ASSERT_FALSE(lobby.empty());
  Fuzz(lobby, 46, 10000);
}

TEST(BspFuzz, MutatedThirdPartyMap) {
  std::string package = ThirdPartyMapPackage();
  if (package.empty()) GTEST_SKIP() << "third-party map package not installed";
  ZipArchive zip(package);
  for (const ZipArchive::Entry& e : zip.entries()) {
    if (e.name == "maps/oa_ctf2.bsp") return Fuzz(zip.Extract(e), 2008, 4000);
  }
  FAIL() << "oa_ctf2.bsp not in the package";
}

}  // namespace
