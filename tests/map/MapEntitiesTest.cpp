#include <gtest/gtest.h>

#include "tests/map/MapTestSupport.h"

namespace {

using platform::Vector3;
using ItemSpawn = MapThing<kItemSpawn>;
using Teleporter = MapThing<kTeleporter>;
using PlayerStart = MapThing<kPlayerStart>;

// A class that only a program's code creates: registered, but not for maps.
class Item : public EntityClass<Item> {
 public:
  static constexpr char kClassName[] = "Item";
  static void Describe(ClassBuilder<Item>&) {}
  void OnCreate() override {}
};

// A map entity with a model but no body: the model key does not apply.
inline constexpr char kDecal[] = "Decal";
class Decal : public EntityClass<Decal> {
 public:
  static constexpr const char* kClassName = kDecal;
  static void Describe(ClassBuilder<Decal>& c) { c.Component(&Decal::model); }
  void OnCreate() override {}
  PlacedModel model;
};

class MapEntities : public MapFixture {
 protected:
  MapEntities() {
    RegisterDemoMapClasses();
    RegisterMapEntityClass<Decal>("LogicLog");
    RegisterEntityClass<Item>("LogicLog");
  }

  // Loads a map with the given entity text as map `mapIndex` and creates its entities.
  std::vector<Entity*> Create(const std::string& entityText, int32_t mapIndex = 0) {
    BspFileContents c = MinimalMap();
    c.entityText = entityText;
    map.SetMapIndex(mapIndex);
    Load(map, c);
    uint32_t first = Entity::PeekNextId();
    map.CreateEntities(names, placer);
    return EntitiesSince(first);
  }

  BspMap map;
  MapEntityNames names;
  RecordingPlacer placer;
};

TEST_F(MapEntities, PlacesEachEntityBeforeItsSetUp) {
  auto made = Create(
      "{\n\"classname\" \"ItemSpawn\"\n\"origin\" \"10 20 30\"\n\"model\" \"statue\"\n"
      "\"areaName\" \"Souvenirs\"\n\"areaName\" \"Egypt\"\n}\n",
      2);
  ASSERT_EQ(made.size(), 1u);
  auto* spawn = static_cast<ItemSpawn*>(made[0]);
  EXPECT_EQ(spawn->GetClassName(), "ItemSpawn");
  EXPECT_EQ(spawn->physical.position, (Vector3{10, -20, 30}));
  EXPECT_EQ(spawn->model.modelName, "statue");
  EXPECT_EQ(spawn->areaName, "Egypt");  // the later duplicate
  EXPECT_EQ(spawn->mapIndex.mapIndex, 2);
  EXPECT_TRUE(spawn->positionedBeforeSetUp);
  EXPECT_TRUE(spawn->entRef.activated);
  EXPECT_TRUE(placer.teleporterKeys.empty());  // no name keys: nothing to give
  EXPECT_TRUE(names.targetReferences.empty());
  EXPECT_EQ(map.Data().entityKeyValues[0].size(), 4u);  // the map keeps its keys
}

TEST_F(MapEntities, SkipsBlocksWithoutClassAndUnknownClasses) {
  auto made = Create(
      "{\n\"classname\" \"worldspawn\"\n}\n{\n\"origin\" \"1 2 3\"\n}\n"
      "{\n\"classname\" \"Nothing\"\n\"target\" \"a\"\n\"targetname\" \"b\"\n}\n"
      "{\n\"classname\" \"Decal\"\n\"model\" \"splat\"\n\"origin\" \"5\"\n}\n");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(static_cast<Decal*>(made[0])->model.modelName, "");  // no "Physical"
  EXPECT_TRUE(names.targetReferences.empty());
  EXPECT_TRUE(names.targetNames.empty());
  EXPECT_EQ(LogOf("EngineLog"), "Could not allocate worldspawn\nCould not allocate Nothing\n");
}

TEST_F(MapEntities, PlayerStartsComeFromTheFirstMapOnly) {
  const std::string text = "{\n\"classname\" \"PlayerStart\"\n\"origin\" \"0 0 0\"\n}\n";
  EXPECT_TRUE(Create(text, 1).empty());
  auto made = Create(text, 0);
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0]->GetClassName(), "PlayerStart");
}

TEST_F(MapEntities, FillsTheNameTablesAndGivesTeleporterKeys) {
  auto made = Create(
      "{\n\"classname\" \"Teleporter\"\n\"targetname\" \"lobbyToGallery\"\n\"target\" \"galleryToLobby\"\n"
      "\"link\" \"ToGallery\"\n\"banned\" \"0\"\n}\n"
      "{\n\"classname\" \"ItemDropoff\"\n\"targetname\" \"dock\"\n}\n"
      "{\n\"classname\" \"Teleporter\"\n\"target\" \"galleryToLobby\"\n}\n");
  ASSERT_EQ(made.size(), 3u);
  EXPECT_EQ(names.targetNames, (std::map<std::string, uint32_t>{{"lobbyToGallery", made[0]->GetId()},
                                                                {"dock", made[1]->GetId()}}));
  // The later entity with the same target replaces the earlier.
  EXPECT_EQ(names.targetReferences.size(), 1u);
  EXPECT_EQ(names.targetReferences["galleryToLobby"], made[2]->Find<PlacedReference>());

  const TeleporterKeys& keys = placer.teleporterKeys.at(made[0]->GetId());
  EXPECT_EQ(keys.targetName, "lobbyToGallery");
  EXPECT_EQ(keys.link, "ToGallery");
  EXPECT_TRUE(keys.banned);  // present, whatever its value
  EXPECT_EQ(placer.teleporterKeys.at(made[1]->GetId()).targetName, "dock");
  EXPECT_FALSE(placer.teleporterKeys.at(made[1]->GetId()).banned);
  EXPECT_EQ(placer.teleporterKeys.count(made[2]->GetId()), 0u);
}

// Any registered class used to be creatable from a map's text; an "Item" without its record or
// a second "LogicCmds" breaks the game. Only map entity classes are created now.
TEST_F(MapEntities, RefusesClassesThatAreNotMapEntities) {
  auto made = Create(
      "{\n\"classname\" \"Item\"\n\"origin\" \"0 0 0\"\n}\n"
      "{\n\"classname\" \"TripLaser\"\n\"origin\" \"0 0 0\"\n}\n");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0]->GetClassName(), "TripLaser");
  EXPECT_EQ(LogOf("EngineLog"), "Map Maps/test.bsp: Item is not a map entity class\n");
  EXPECT_TRUE(IsMapEntityClass("TripLaser"));
  EXPECT_FALSE(IsMapEntityClass("Item"));
}

TEST_F(MapEntities, ShortOriginsFillWithZeroAndAreLogged) {
  auto made = Create("{\n\"classname\" \"BoxSpawn\"\n\"origin\" \"10 20\"\n}\n");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(static_cast<MapThing<kBoxSpawn>*>(made[0])->physical.position, (Vector3{10, -20, 0}));
  EXPECT_EQ(LogOf("LogicLog"), "Map Maps/test.bsp: BoxSpawn has the origin \"10 20\", not three numbers\n");
}

// A position no map holds would reach the physics, the AI's searches and the drawing: the
// entity is refused, naming the map and the class. Far but sound places are kept.
TEST_F(MapEntities, OriginsAtNaNInfinityOrBeyondAnyMapRefuseTheEntity) {
  auto made = Create(
      "{\n\"classname\" \"ItemSpawn\"\n\"origin\" \"nan 0 0\"\n}\n"
      "{\n\"classname\" \"PlayerStart\"\n\"origin\" \"0 -inf 0\"\n}\n"
      "{\n\"classname\" \"ItemSpawn\"\n\"origin\" \"0 0 9e37\"\n}\n"
      "{\n\"classname\" \"PlayerStart\"\n\"origin\" \"1e39 0 0\"\n}\n"
      "{\n\"classname\" \"BoxSpawn\"\n\"origin\" \"+65536 -65536 12abc\"\n}\n");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(static_cast<MapThing<kBoxSpawn>*>(made[0])->physical.position, (Vector3{65536, 65536, 12}));
  EXPECT_EQ(LogOf("LogicLog"),
            "Map Maps/test.bsp: ItemSpawn with the origin \"nan 0 0\" is refused: that is no place in the map\n"
            "Map Maps/test.bsp: PlayerStart with the origin \"0 -inf 0\" is refused: that is no place in the map\n"
            "Map Maps/test.bsp: ItemSpawn with the origin \"0 0 9e37\" is refused: that is no place in the map\n"
            "Map Maps/test.bsp: PlayerStart with the origin \"1e39 0 0\" is refused: that is no place in the map\n");
}

// Every entity the demo museum's lumps name is created, player starts from the first map only,
// and the teleporters' targets are found across the maps.
TEST_F(MapEntities, DemoMuseumCreatesEveryEntityItNames) {
  const char* files[] = {"lobby.bsp", "gallery.bsp", "vault.bsp"};
  size_t expected = 0, created = 0;
  for (int32_t index = 0; index < 3; ++index) {
    BspMap museumMap;
    museumMap.SetMapIndex(index);
    museumMap.Load(std::string(VR_GENERATED_DIR) + "/Maps/" + files[index]);
    for (const KeyValueMap& block : museumMap.Data().entityKeyValues) {
      const std::string& className = block.at("classname");
      expected += className != "worldspawn" && (className != "PlayerStart" || index == 0);
    }
    uint32_t first = Entity::PeekNextId();
    museumMap.CreateEntities(names, placer);
    created += EntitiesSince(first).size();
  }
  EXPECT_GT(expected, 30u);
  EXPECT_EQ(created, expected);
  EXPECT_EQ(LogOf("EngineLog"), "Could not allocate worldspawn\nCould not allocate worldspawn\nCould not allocate worldspawn\n");
  EXPECT_EQ(LogOf("LogicLog"), "");
  ASSERT_EQ(names.targetReferences.size(), 4u);
  for (const auto& [target, reference] : names.targetReferences) EXPECT_EQ(names.targetNames.count(target), 1u) << target;
}

}  // namespace
