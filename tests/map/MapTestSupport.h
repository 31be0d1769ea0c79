#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "entity/Entity.h"
#include "map/BspMap.h"
#include "map/MapEntityClasses.h"
#include "map/MapEntityPlacer.h"
#include "platform/core/Files.h"
#include "tests/map/TestMaps.h"
#include "tests/support/EngineFixture.h"

// An engine without systems in a fresh working folder with "Data" and "Maps" folders, as the
// game's data tree has them.
class MapFixture : public EngineFixture {
 protected:
  MapFixture() {
    Bare();
    std::filesystem::create_directory("Data");
    std::filesystem::create_directory("Maps");
  }

  // Writes the map as "Maps/" + name and loads it.
  static void Load(BspMap& map, const BspFileContents& contents, const std::string& name = "test.bsp") {
    std::vector<uint8_t> bytes = WriteBsp(contents);
    platform::WriteFileAtomic("Maps/" + name, std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/" + name);
  }

  static std::vector<std::string> ConsoleLines() {
    std::vector<std::string> lines;
    for (const auto& [text, colour] : Engine::Get()->GetConsole()->PendingLines()) lines.push_back(text);
    return lines;
  }
};

// Stands for the components other systems own: keeps what the placer wrote into it.
class PlacedComponent : public Component {
 public:
  void Activate() override { activated = true; }
  bool activated = false;
  std::optional<platform::Vector3> position;
  std::string modelName;
  int32_t mapIndex = -1;
};

// One stand-in for each component the map entities carry, under the real component's name.
template <const char* Name>
class Placed : public PlacedComponent {
 public:
  static constexpr const char* kComponentName = Name;
};
inline constexpr char kPhysicalName[] = "Physical";
inline constexpr char kModelName[] = "Model";
inline constexpr char kMapIndexName[] = "MapIndexComp";
inline constexpr char kEntRefName[] = "EntRefComp";
using PlacedBody = Placed<kPhysicalName>;
using PlacedModel = Placed<kModelName>;
using PlacedMapIndex = Placed<kMapIndexName>;
using PlacedReference = Placed<kEntRefName>;

// A map entity class with every component the map loader writes to and one field of its own.
template <const char* Name>
class MapThing : public EntityClass<MapThing<Name>> {
 public:
  static constexpr const char* kClassName = Name;
  static void Describe(ClassBuilder<MapThing>& c) {
    c.Component(&MapThing::physical);
    c.Component(&MapThing::model);
    c.Component(&MapThing::mapIndex);
    c.Component(&MapThing::entRef);
    c.Field("areaName", &MapThing::areaName);
  }
  void OnCreate() override { positionedBeforeSetUp = physical.activated && physical.position.has_value(); }

  PlacedBody physical;
  PlacedModel model;
  PlacedMapIndex mapIndex;
  PlacedReference entRef;
  std::string areaName;
  bool positionedBeforeSetUp = false;
};

inline constexpr char kPlayerStart[] = "PlayerStart";
inline constexpr char kItemSpawn[] = "ItemSpawn";
inline constexpr char kItemDropoff[] = "ItemDropoff";
inline constexpr char kTeleporter[] = "Teleporter";
inline constexpr char kTripLaser[] = "TripLaser";
inline constexpr char kBoxSpawn[] = "BoxSpawn";
inline constexpr char kSmokeGrenadeSpawn[] = "SmokeGrenadeSpawn";
inline constexpr char kBatterySpawn[] = "BatterySpawn";
inline constexpr char kGuardPatrolPath[] = "GuardPatrolPath";
inline constexpr char kGuardPatrolPoint[] = "GuardPatrolPoint";
inline constexpr char kCoverSpot[] = "CoverSpot";
inline constexpr char kSuperNode[] = "SuperNode";
inline constexpr char kSoundEmitter[] = "SoundEmitter";

// The classes the demo museum places.
inline void RegisterDemoMapClasses() {
  RegisterMapEntityClass<MapThing<kPlayerStart>>("LogicLog");
  RegisterMapEntityClass<MapThing<kItemSpawn>>("LogicLog");
  RegisterMapEntityClass<MapThing<kItemDropoff>>("LogicLog");
  RegisterMapEntityClass<MapThing<kTeleporter>>("LogicLog");
  RegisterMapEntityClass<MapThing<kTripLaser>>("LogicLog");
  RegisterMapEntityClass<MapThing<kBoxSpawn>>("LogicLog");
  RegisterMapEntityClass<MapThing<kSmokeGrenadeSpawn>>("LogicLog");
  RegisterMapEntityClass<MapThing<kBatterySpawn>>("LogicLog");
  RegisterMapEntityClass<MapThing<kGuardPatrolPath>>("AI Log");
  RegisterMapEntityClass<MapThing<kGuardPatrolPoint>>("AI Log");
  RegisterMapEntityClass<MapThing<kCoverSpot>>("AI Log");
  RegisterMapEntityClass<MapThing<kSuperNode>>("AI Log");
  RegisterMapEntityClass<MapThing<kSoundEmitter>>("SoundLog");
}

// Writes into the stand-in components and records the teleporter keys of every entity given
// them.
class RecordingPlacer : public MapEntityPlacer {
 public:
  bool HasBody(Entity& entity) override { return entity.Find<PlacedBody>() != nullptr; }
  void SetPosition(Entity& entity, const platform::Vector3& position) override {
    entity.Find<PlacedBody>()->position = position;
  }
  void SetModelName(Entity& entity, const std::string& name) override {
    if (auto* model = entity.Find<PlacedModel>()) model->modelName = name;
  }
  void SetMapIndex(Entity& entity, int32_t index) override {
    if (auto* mapIndex = entity.Find<PlacedMapIndex>()) mapIndex->mapIndex = index;
  }
  Component* FindTargetReference(Entity& entity) override { return entity.Find<PlacedReference>(); }
  void SetTeleporterKeys(Entity& entity, const TeleporterKeys& keys) override {
    teleporterKeys[entity.GetId()] = keys;
  }
  std::map<uint32_t, TeleporterKeys> teleporterKeys;
};

// The entities made since `firstId`, in creation order.
inline std::vector<Entity*> EntitiesSince(uint32_t firstId) {
  std::vector<Entity*> out;
  for (uint32_t id = firstId; id < Entity::PeekNextId(); ++id)
    if (Entity* e = Engine::Get()->GetEntityManager()->FindEntity(id)) out.push_back(e);
  return out;
}
