// BspMap::CreateEntities: the map's entity blocks become entities.
#include "engine/Engine.h"
#include "entity/Entity.h"
#include "map/BspMap.h"
#include "map/MapEntityClasses.h"
#include "map/MapEntityPlacer.h"

namespace {

const std::string* Find(const KeyValueMap& block, const char* key) {
  auto it = block.find(key);
  return it == block.end() ? nullptr : &it->second;
}

class EntityPlacement {
 public:
  EntityPlacement(const BspMap& map, const KeyValueMap& block, Entity& entity, MapEntityPlacer& placer)
      : map_(map), block_(block), entity_(entity), placer_(placer) {}

  // Position, model and the class's own keys, before the components initialise.
  void ApplyMapKeys() {
    if (placer_.HasBody(entity_)) {
      if (const std::string* origin = Find(block_, "origin")) placer_.SetPosition(entity_, ReadOrigin(*origin));
      if (const std::string* modelName = Find(block_, "model")) placer_.SetModelName(entity_, *modelName);
    }
    KeyValueMap keys = block_;  // the class's readers may note what they read; the map keeps its own
    entity_.ReadKeys(keys);
  }

  void RecordTargetReference(MapEntityNames& names) {
    Component* reference = placer_.FindTargetReference(entity_);
    const std::string* target = Find(block_, "target");
    if (reference && target) names.targetReferences[*target] = reference;
  }

  void SetMapIndex() { placer_.SetMapIndex(entity_, map_.GetMapIndex()); }

  // Names and teleporter keys, after the entity's set-up.
  void ApplyNames(MapEntityNames& names) {
    TeleporterKeys keys;
    if (const std::string* targetName = Find(block_, "targetname")) {
      keys.targetName = *targetName;
      names.targetNames[*targetName] = entity_.GetId();
    }
    if (const std::string* link = Find(block_, "link")) keys.link = *link;
    keys.banned = Find(block_, "banned") != nullptr;
    if (keys.targetName || keys.link || keys.banned) placer_.SetTeleporterKeys(entity_, keys);
  }

 private:
  // Missing numbers count as 0; the map names the entity so the log says which one is off.
  platform::Vector3 ReadOrigin(const std::string& value) {
    float p[3];
    if (ReadVectorKey(value, p) != 3) {
      Engine::Get()->GetLog()->Write("LogicLog",
                                     "Map " + map_.GetPath() + ": " + entity_.GetClassName() +
                                         " has the origin \"" + value + "\", not three numbers",
                                     2);
    }
    return {p[0], -p[1], p[2]};
  }

  const BspMap& map_;
  const KeyValueMap& block_;
  Entity& entity_;
  MapEntityPlacer& placer_;
};

// An entity placed at NaN, an infinity or far beyond any map would carry that position into
// the physics, the AI's searches and the drawing: it is refused, naming the map and the class.
bool HasPlaceableOrigin(const KeyValueMap& block, const std::string& className, const std::string& path) {
  const std::string* origin = Find(block, "origin");
  if (!origin || !HoldsUnplaceableNumber(*origin)) return true;
  Engine::Get()->GetLog()->Write("LogicLog",
                                 "Map " + path + ": " + className + " with the origin \"" + *origin +
                                     "\" is refused: that is no place in the map",
                                 2);
  return false;
}

// A registered class that is not a map entity class is refused here; an unknown class is left
// to the entity manager, which logs "Could not allocate".
Entity* CreateMapEntity(const std::string& className, const std::string& path) {
  EntityManager* manager = Engine::Get()->GetEntityManager();
  if (manager->IsRegistered(className) && !IsMapEntityClass(className)) {
    Engine::Get()->GetLog()->Write("EngineLog", "Map " + path + ": " + className + " is not a map entity class", 1);
    return nullptr;
  }
  return manager->Instantiate(className);
}

}  // namespace

void BspMap::CreateEntities(MapEntityNames& names, MapEntityPlacer& placer) const {
  for (const KeyValueMap& block : data_.entityKeyValues) {
    const std::string* className = Find(block, "classname");
    if (!className) continue;
    // Player starts come from the first map of the list only.
    if (*className == "PlayerStart" && mapIndex_ != 0) continue;
    if (!HasPlaceableOrigin(block, *className, path_)) continue;
    Entity* entity = CreateMapEntity(*className, path_);
    if (!entity) continue;
    EntityPlacement placement(*this, block, *entity, placer);
    placement.ApplyMapKeys();
    placement.RecordTargetReference(names);
    placement.SetMapIndex();
    Entity::SetUp(entity);
    placement.ApplyNames(names);
  }
}
