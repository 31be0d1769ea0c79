#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "entities/ItemStore.h"
#include "map/BspReader.h"
#include "map/StringList.h"
#include "tests/support/EngineFixture.h"

namespace {

namespace fs = std::filesystem;

// The shipped museum as the build makes it: its map list, maps and item list, read through the
// game's own readers.
class DemoMuseumTest : public EngineFixture {
 protected:
  void SetUp() override {
    Start();
    fs::create_directory("Data");
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / "MuseumItems.xml", "Data/MuseumItems.xml");
    const fs::path generated(VR_GENERATED_DIR);
    LoadStringListXml(mapNames, (generated / "Data" / "Museummaps.xml").string(), "LogicLog");
    for (const std::string& name : mapNames) {
      BspData map;
      BspReader::Read((generated / "Maps" / name).string(), map);
      maps.push_back(std::move(map.entityKeyValues));
    }
    items.Load(ItemStore::kPath);
  }

  // The entities of map `index` of class `name`.
  std::vector<KeyValueMap> Of(size_t index, const std::string& name) const {
    std::vector<KeyValueMap> found;
    for (const KeyValueMap& entity : maps[index])
      if (entity.count("classname") && entity.at("classname") == name) found.push_back(entity);
    return found;
  }
  size_t Count(const std::string& name) const {
    size_t n = 0;
    for (size_t i = 0; i < maps.size(); ++i) n += Of(i, name).size();
    return n;
  }

  std::vector<std::string> mapNames;
  std::vector<std::vector<KeyValueMap>> maps;
  ItemStore items;
};

TEST_F(DemoMuseumTest, EveryMapIsReachableThroughTeleporterPairs) {
  ASSERT_GE(maps.size(), 3u);
  std::map<std::string, size_t> mapOfTeleporter;
  std::map<std::string, std::string> targetOf;
  for (size_t i = 0; i < maps.size(); ++i)
    for (const KeyValueMap& t : Of(i, "Teleporter")) {
      EXPECT_TRUE(mapOfTeleporter.emplace(t.at("targetname"), i).second) << t.at("targetname");
      targetOf[t.at("targetname")] = t.at("target");
    }
  std::map<size_t, std::set<size_t>> links;
  for (const auto& [name, target] : targetOf) {
    ASSERT_TRUE(mapOfTeleporter.count(target)) << name << " leads to no teleporter";
    EXPECT_EQ(targetOf[target], name) << "the way back from " << target;
    EXPECT_NE(mapOfTeleporter[name], mapOfTeleporter[target]) << name;
    links[mapOfTeleporter[name]].insert(mapOfTeleporter[target]);
  }
  std::set<size_t> reached = {0}, frontier = {0};
  while (!frontier.empty()) {
    std::set<size_t> next;
    for (size_t m : frontier)
      for (size_t to : links[m])
        if (reached.insert(to).second) next.insert(to);
    frontier = next;
  }
  EXPECT_EQ(reached.size(), maps.size());
}

TEST_F(DemoMuseumTest, ItemsOfEveryWorthHaveSpawnsAndTheLobbyHasStartsAndDropOffs) {
  EXPECT_GE(Count("ItemSpawn"), 12u);
  std::set<std::string> areas;
  for (size_t i = 0; i < maps.size(); ++i)
    for (const KeyValueMap& spawn : Of(i, "ItemSpawn")) areas.insert(spawn.at("areaName"));
  ASSERT_FALSE(items.GetLoadedItems().empty());
  for (const ItemRecord& record : items.GetLoadedItems())
    EXPECT_TRUE(areas.count(record.areaName)) << record.modelName << " worth " << record.worth;
  // Thieves deliver to the first map's drop-offs only, and the game starts there.
  EXPECT_GE(Of(0, "ItemDropoff").size(), 2u);
  EXPECT_EQ(Of(0, "PlayerStart").size(), 4u);
}

TEST_F(DemoMuseumTest, EveryMapHasGuardsLasersMusicAndNodesAndEveryPickupKindIsSomewhere) {
  for (size_t i = 0; i < maps.size(); ++i) {
    SCOPED_TRACE(mapNames[i]);
    EXPECT_GE(Of(i, "GuardPatrolPath").size(), 2u);
    EXPECT_GE(Of(i, "TripLaser").size(), 1u);
    EXPECT_GE(Of(i, "CoverSpot").size(), 3u);
    EXPECT_GE(Of(i, "SuperNode").size(), 3u);
    bool music = false;
    for (const KeyValueMap& e : Of(i, "SoundEmitter")) music = music || e.at("Type") == "BGM";
    EXPECT_TRUE(music);
  }
  for (const char* kind : {"BoxSpawn", "SmokeGrenadeSpawn", "BatterySpawn"}) EXPECT_GE(Count(kind), 1u) << kind;
}

// A computer thief's route ends at the node nearest its goal, and takes an exhibit by touching
// it: every spawn it may take from has a cover spot on it, which gives the graph a node there.
TEST_F(DemoMuseumTest, EveryExhibitComputerThievesMayTakeHasACoverSpotOnIt) {
  for (size_t i = 0; i < maps.size(); ++i) {
    std::set<std::string> covers;
    for (const KeyValueMap& spot : Of(i, "CoverSpot")) covers.insert(spot.at("origin").substr(0, spot.at("origin").rfind(' ')));
    for (const KeyValueMap& spawn : Of(i, "ItemSpawn")) {
      if (spawn.at("isPlayerOnly") == "1") continue;
      const std::string place = spawn.at("origin").substr(0, spawn.at("origin").rfind(' '));
      EXPECT_TRUE(covers.count(place)) << mapNames[i] << ": the spawn at " << place;
    }
  }
}

// The first thief of a run stands on the lobby's second start, looking along the world's +y
// (the map's -y): a box lies ahead of it, near enough to walk to, not so near it is taken
// standing.
TEST_F(DemoMuseumTest, ABoxLiesStraightAheadOfTheFirstThiefsStart) {
  const std::vector<KeyValueMap> starts = Of(0, "PlayerStart");
  ASSERT_GE(starts.size(), 2u);
  const auto at = [](const KeyValueMap& e) {
    float x = 0, y = 0, z = 0;
    std::sscanf(e.at("origin").c_str(), "%f %f %f", &x, &y, &z);
    return std::pair{x, y};
  };
  const auto [startX, startY] = at(starts[1]);
  bool ahead = false;
  for (const KeyValueMap& box : Of(0, "BoxSpawn")) {
    const auto [x, y] = at(box);
    ahead = ahead || (x == startX && startY - y >= 100 && startY - y <= 300);
  }
  EXPECT_TRUE(ahead);
}

}  // namespace
