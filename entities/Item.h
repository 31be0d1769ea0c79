#pragma once
#include <string>

#include "entity/EntityClass.h"
#include "graphics/EmitterHandle.h"
#include "graphics/ModelComp.h"
#include "physics/BoundingData.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"

struct ItemRecord;

// An exhibit on display at its spawn: it turns with the clock, sparkles, and the first thief
// with empty hands to touch it carries its record away.
class Item : public EntityClass<Item> {
 public:
  static constexpr char kClassName[] = "Item";
  static void Describe(ClassBuilder<Item>& c);

  explicit Item(const GameServices& services);
  ~Item() override;
  void OnCreate() override;
  void OnUpdate();
  void OnTouch(Entity* other);

  ItemRecord* record = nullptr;
  std::string spriteName;
  ModelComp model;
  PhysicalComp physical;
  BoundingData bounds;
  ClusterInfo cluster;
  MapIndexComp mapIndex;
  EmitterHandle sparks;

 private:
  const GameServices services_;
};

// Puts an item of the record at the record's spawn, which becomes occupied; null when the
// spawn is gone.
Item* SpawnItemEntity(const GameServices& services, ItemRecord& record);
