#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "tests/map/TestMaps.h"
#include "tests/map/ZipArchive.h"

namespace {

// Mutates a map in memory, aiming most changes at the header and the structural lumps,
// where a wrong value would send a reader out of bounds.
class Mutator {
 public:
  explicit Mutator(uint32_t seed) : random_(seed) {}

  std::vector<uint8_t> Mutate(const std::vector<uint8_t>& original) {
    std::vector<uint8_t> bytes = original;
    int changes = 1 + int(random_() % 4);
    for (int i = 0; i < changes && bytes.size() >= size_t(kBspHeaderSize); ++i) {
      switch (random_() % 5) {
        case 0: bytes[random_() % kBspHeaderSize] = uint8_t(random_()); break;
        case 1: PutInt(bytes, 8 + 4 * (random_() % (2 * kBspLumpCount)), bytes.size()); break;
        case 2: PutInt(bytes, StructuralOffset(bytes), bytes.size()); break;
        case 3: bytes[random_() % bytes.size()] ^= uint8_t(1u << (random_() % 8)); break;
        case 4: bytes.resize(random_() % bytes.size()); break;
      }
    }
    return bytes;
  }

 private:
  // A 4-byte aligned position inside one of the lumps that hold counts and indices.
  size_t StructuralOffset(const std::vector<uint8_t>& bytes) {
    static const int kLumps[] = {kLumpNodes, kLumpLeaves, kLumpLeafFaces, kLumpFaces,
                                 kLumpModels, kLumpMeshVertices, kLumpBrushes, kLumpVisibility};
    BspHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    const BspLumpEntry& e = header.lumps[kLumps[random_() % std::size(kLumps)]];
    if (e.offset < kBspHeaderSize || e.length < 4 || size_t(e.offset) + e.length > bytes.size())
      return random_() % (bytes.size() - 3);
    return size_t(e.offset) + 4 * (random_() % (size_t(e.length) / 4));
  }

  void PutInt(std::vector<uint8_t>& bytes, size_t at, size_t fileSize) {
    if (at + 4 > bytes.size()) return;
    int32_t old;
    std::memcpy(&old, bytes.data() + at, 4);
    uint32_t near = uint32_t(old);  // wrapping arithmetic: no overflow in the test itself
    const int32_t values[] = {0, 1, -1, -2, 0x7fffffff, INT32_MIN, 0x10000, int32_t(fileSize),
                              int32_t(near + 1), int32_t(near - 1), int32_t(near * 2),
                              int32_t(random_())};
    int32_t v = values[random_() % std::size(values)];
    std::memcpy(bytes.data() + at, &v, 4);
  }

  std::mt19937 random_;
};

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
  Mutator mutator(seed);
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
  Fuzz(lobby, 46, 6000);
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
