#include <gtest/gtest.h>

#include "map/BspError.h"
#include "tests/map/BspMutator.h"
#include "tests/map/MapTestSupport.h"

namespace {

class MapLoadFuzz : public MapFixture {};

// Mutated demo maps through the whole load: a refused file leaves an empty map that still
// answers, an accepted one is placed, queried and exported without leaving its bounds.
TEST_F(MapLoadFuzz, MutatedDemoMapsLoadOrAreRefused) {
  RegisterDemoMapClasses();
  const std::vector<uint8_t> lobby = DemoMapBytes("lobby.bsp");
  ASSERT_FALSE(lobby.empty());
  BspMutator mutator(1046);
  std::mt19937 random(1046);
  std::uniform_real_distribution<float> coordinate(-4096.0f, 4096.0f);
  BspMap map;
  MapEntityNames names;
  RecordingPlacer placer;
  int loaded = 0, refused = 0;
  for (int i = 0; i < 300; ++i) {
    std::vector<uint8_t> bytes = mutator.Mutate(lobby);
    platform::WriteFileAtomic("Maps/fuzz.bsp", std::string(bytes.begin(), bytes.end()));
    try {
      map.Load("Maps/fuzz.bsp");
      ++loaded;
    } catch (const BspError&) {
      ++refused;
    }
    map.CreateEntities(names, placer);
    for (int k = 0; k < 4; ++k) {
      const platform::Vector3 p{coordinate(random), coordinate(random), coordinate(random)};
      map.UpdateCameraCluster(&p);
      map.IsClusterVisible(map.GetClusterAt(p), int32_t(random() % 64) - 2);
    }
    map.Export3ds("fuzz.3ds");
  }
  EXPECT_GT(loaded, 15);
  EXPECT_GT(refused, 15);
}

}  // namespace
