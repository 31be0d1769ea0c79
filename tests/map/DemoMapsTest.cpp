#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "tests/map/TestMaps.h"
#include "tools/mapgen/MuseumMapBuilder.h"

namespace {

BspData LoadDemoMap(const std::string& name) {
  BspData map;
  BspReader::Parse(DemoMapBytes(name), map);
  return map;
}

TEST(DemoMaps, MapListNamesTheGeneratedMaps) {
  std::ifstream in(std::string(VR_GENERATED_DIR) + "/Data/Museummaps.xml");
  std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(xml,
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<list><string>lobby.bsp</string>"
            "<string>gallery.bsp</string><string>vault.bsp</string></list>");
}

TEST(DemoMaps, GeneratorIsDeterministic) {
  for (const MapPlan& plan : MuseumPlans())
    EXPECT_EQ(WriteBsp(BuildMuseumMap(plan)), DemoMapBytes(plan.fileName)) << plan.fileName;
}

// Every entity stands inside a room or corridor, and the teleporters pair up across maps.
TEST(DemoMaps, LoadWithEntitiesInsideTheirAreas) {
  std::map<std::string, std::string> targets;  // targetname -> target
  std::set<std::string> classes;
  int playerStarts = 0;
  for (const MapPlan& plan : MuseumPlans()) {
    BspData map = LoadDemoMap(plan.fileName);
    EXPECT_TRUE(map.entityProblems.empty()) << plan.fileName;
    ASSERT_EQ(map.entityKeyValues.size(), plan.entities.size());
    EXPECT_EQ(map.clusterCount, int(plan.areas.size()));
    ConvertToWorldFrame(map);
    LeafFinder finder(map);
    for (const KeyValueMap& e : map.entityKeyValues) {
      const std::string& classname = e.at("classname");
      classes.insert(classname);
      playerStarts += classname == "PlayerStart";
      if (classname == "Teleporter") targets[e.at("targetname")] = e.at("target");
      if (classname == "worldspawn") continue;
      float p[3];
      ASSERT_EQ(ReadVectorKey(e.at("origin"), p), 3);
      p[1] = -p[1];
      int32_t leaf = finder.FindLeafIndex(p);
      ASSERT_GE(leaf, 0);
      EXPECT_GE(map.leaves[size_t(leaf)].cluster, 0) << plan.fileName << " " << classname << " " << e.at("origin");
    }
  }
  EXPECT_EQ(playerStarts, 4);
  for (const char* c : {"PlayerStart", "ItemSpawn", "ItemDropoff", "Teleporter", "TripLaser",
                        "BoxSpawn", "SmokeGrenadeSpawn", "BatterySpawn", "GuardPatrolPath",
                        "GuardPatrolPoint", "CoverSpot", "SuperNode", "SoundEmitter"})
    EXPECT_TRUE(classes.count(c)) << c;
  for (const auto& [name, target] : targets) {
    ASSERT_TRUE(targets.count(target)) << name;
    EXPECT_EQ(targets[target], name);
  }
}

// Faces wind the way published maps do: the normal computed from the flipped triangles
// points into the room, like the file's own normal.
TEST(DemoMaps, FacesFaceIntoTheirRooms) {
  for (const MapPlan& plan : MuseumPlans()) {
    BspData map = LoadDemoMap(plan.fileName);
    std::vector<BspFace> fileFaces(map.faces.begin(), map.faces.end());
    ConvertToWorldFrame(map);
    for (size_t i = 0; i < map.faces.size(); ++i) {
      EXPECT_EQ(map.faces[i].normal[0], fileFaces[i].normal[0]);
      EXPECT_EQ(map.faces[i].normal[1], -fileFaces[i].normal[1]);
      EXPECT_EQ(map.faces[i].normal[2], fileFaces[i].normal[2]);
      const BspVertex& v = map.vertices[size_t(map.faces[i].firstVertex)];
      if (v.normal[2] > 0) {
        EXPECT_EQ(v.normal[2], 1.0f);  // floors are exactly level
      }
    }
  }
}

// The lighting lookup sizes the grid from the world model's bounds: 64 x 64 x 128 cells.
TEST(DemoMaps, LightGridCoversTheWorldModel) {
  for (const MapPlan& plan : MuseumPlans()) {
    BspData map = LoadDemoMap(plan.fileName);
    const BspModel& world = map.models[0];
    size_t samples = 1;
    const float cell[3] = {64, 64, 128};
    for (int k = 0; k < 3; ++k)
      samples *= size_t(std::floor(world.maxs[k] / cell[k]) - std::ceil(world.mins[k] / cell[k]) + 1);
    EXPECT_EQ(map.lightVolumes.size(), samples) << plan.fileName;
    EXPECT_FALSE(map.lightmaps.empty());
    for (const BspFace& f : map.faces) {
      EXPECT_GE(f.lightmap, 0);
      EXPECT_LE(f.lightmapStart[0] + f.lightmapSize[0], kLightmapSize);
      EXPECT_LE(f.lightmapStart[1] + f.lightmapSize[1], kLightmapSize);
    }
  }
}

TEST(DemoMaps, RoomsSeeNeighboursButNotAroundCorners) {
  BspData map = LoadDemoMap("lobby.bsp");
  EXPECT_TRUE(IsClusterVisible(map, 0, 4));
  EXPECT_TRUE(IsClusterVisible(map, 2, 0));
  EXPECT_FALSE(IsClusterVisible(map, 2, 4));  // shop to Egyptian room: two turns apart
  EXPECT_FALSE(IsClusterVisible(map, 4, 2));
}

}  // namespace
