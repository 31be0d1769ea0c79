#include <gtest/gtest.h>

#include <string>

#include "map/BspData.h"
#include "map/BspReader.h"
#include "map/LightingForPosition.h"
#include "tests/map/TestMaps.h"
#include "tools/mapgen/MuseumLayout.h"

namespace {

// A grid of 2 x 2 x 2 cells over (0, 0, 0) .. (64, 64, 128); sample k has directed red 10 k.
BspData SmallGrid(size_t samples = 8) {
  BspData map;
  map.models.push_back(BspModel{{0, 0, 0}, {64, 64, 128}, 0, 0, 0, 0});
  for (size_t k = 0; k < samples; ++k) {
    BspLightVolume v{};
    v.directional[0] = static_cast<uint8_t>(10 * k);
    map.lightVolumes.push_back(v);
  }
  return map;
}

float Red(const BspData& map, const platform::Vector3& p) { return LightingForPosition(map, p).directed.x * 255.0f; }

void ExpectDefaults(const LightSet& light) {
  const LightSet defaults;
  EXPECT_EQ(light.directed, defaults.directed);
  EXPECT_EQ(light.direction, defaults.direction);
}

// Game y is the map's y negated: y = -32 is the middle of the first row.
TEST(LightingForPosition, BlendsTheFourSamplesOfEachLayerAndTheTwoLayers) {
  const BspData map = SmallGrid();
  // Halfway along x between samples 0 and 1, halfway up between layers 0 and 1.
  EXPECT_NEAR(Red(map, {64, -32, 0}), 25.0f, 1e-3f);
  // Angles of 0 degrees light straight down.
  EXPECT_EQ(LightingForPosition(map, {64, -32, 0}).direction, (platform::Vector3{0, 0, -1}));
  // The top layer blends with nothing above it.
  EXPECT_NEAR(Red(map, {64, -32, 128}), 45.0f, 1e-3f);
}

// At the last column the neighbour is the column itself, not the next row's first sample; below
// the first column the fraction stops at 0 instead of extrapolating.
TEST(LightingForPosition, SamplesAtTheGridsEdgesStayInsideTheGrid) {
  const BspData map = SmallGrid();
  EXPECT_NEAR(Red(map, {128, -32, 0}), 30.0f, 1e-3f);
  EXPECT_NEAR(Red(map, {0, -32, 0}), 20.0f, 1e-3f);
  // The last row's neighbour is itself too, not the next layer's first row.
  EXPECT_NEAR(Red(map, {32, -128, 0}), 40.0f, 1e-3f);
}

TEST(LightingForPosition, SparseOrMissingGridsGiveTheDefaultsOrTheirOwnSamples) {
  ExpectDefaults(LightingForPosition(SmallGrid(0), {32, -32, 0}));
  BspData noWorld = SmallGrid();
  noWorld.models.clear();
  ExpectDefaults(LightingForPosition(noWorld, {32, -32, 0}));
  // Fewer samples than the bounds need: what there is is used, nothing past it is read.
  EXPECT_NEAR(Red(SmallGrid(1), {64, -32, 0}), 0.0f, 1e-3f);
  EXPECT_NEAR(Red(SmallGrid(3), {96, -64, 0}), 15.0f, 1e-3f);
  // Far outside the grid.
  ExpectDefaults(LightingForPosition(SmallGrid(), {10000, -32, 0}));
}

TEST(LightingForPosition, EveryRoomOfTheDemoMuseumIsLit) {
  for (const MapPlan& plan : MuseumPlans()) {
    BspData map;
    BspReader::Parse(DemoMapBytes(plan.fileName), map);
    for (const Area& area : plan.areas) {
      SCOPED_TRACE(plan.fileName + ": " + area.name);
      const platform::Vector3 centre{(area.minX + area.maxX) / 2.0f + float(plan.offsetX),
                                     -(area.minY + area.maxY) / 2.0f, 48.0f};
      const LightSet light = LightingForPosition(map, centre);
      EXPECT_GT(light.directed.x, 0.1f);
      EXPECT_NE(light.directed, LightSet().directed);
    }
  }
}

}  // namespace
