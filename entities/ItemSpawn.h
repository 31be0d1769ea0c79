#pragma once
#include <string>

#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"

// A place in a map where an exhibit of the named area stands. It is occupied from the moment
// an item appears here until that item is delivered; a spawn no record reached stays empty.
class ItemSpawn : public EntityClass<ItemSpawn> {
 public:
  static constexpr char kClassName[] = "ItemSpawn";
  static void Describe(ClassBuilder<ItemSpawn>& c);

  explicit ItemSpawn(const GameServices& services);
  ~ItemSpawn() override;
  void OnCreate() override;

  PhysicalComp physical;
  MapIndexComp mapIndex;
  std::string areaName;
  // Nonzero: computer thieves never aim for this spawn or its item; the user's thief may.
  int isPlayerOnly = 0;
  bool occupied = false;

 private:
  const GameServices services_;
};
