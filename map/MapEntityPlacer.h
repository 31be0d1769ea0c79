#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/math/Vector.h"

class Component;
class Entity;

// The name tables that BspMap::CreateEntities fills for the game start, shared by every map of
// the museum so that a teleporter in one map can name its target in another. In both tables a
// later entity with the same name replaces the earlier one.
struct MapEntityNames {
  // The value of a "target" key to the "EntRefComp" of the entity that carries it.
  std::map<std::string, Component*> targetReferences;
  // The value of a "targetname" key to the id of the entity that carries it.
  std::map<std::string, uint32_t> targetNames;
};

// The keys a Teleporter takes after its set-up; absent keys are not given.
struct TeleporterKeys {
  std::optional<std::string> targetName;  // "targetname"
  std::optional<std::string> link;        // "link"
  bool banned = false;                    // "banned" is present, whatever its value
};

// What placing a map entity writes into components and classes that other systems own. The
// game start implements it with the real components, which it finds by type; the map itself
// knows none of them.
class MapEntityPlacer {
 public:
  virtual ~MapEntityPlacer() = default;
  // The entity has a "Physical" component: only such an entity takes an origin and a model.
  virtual bool HasBody(Entity& entity) = 0;
  // The "Physical" component's position, in the world frame.
  virtual void SetPosition(Entity& entity, const platform::Vector3& position) = 0;
  // The "Model" component's model name, when the entity has one; the model loads when the
  // components initialise.
  virtual void SetModelName(Entity& entity, const std::string& name) = 0;
  // The "MapIndexComp" component's map index, when the entity has one.
  virtual void SetMapIndex(Entity& entity, int32_t index) = 0;
  // The entity's "EntRefComp", or null.
  virtual Component* FindTargetReference(Entity& entity) = 0;
  // Given, after its set-up, to every created entity whose block has one of the keys: only a
  // Teleporter keeps them, in its `hackNo2CompsTargetName`, `hackNo2CompsLink` and `banned`.
  virtual void SetTeleporterKeys(Entity& entity, const TeleporterKeys& keys) = 0;
};
