#pragma once
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/math/Vector.h"
#include "player/GameServices.h"

// Where thieves deliver what they carry for its worth, marked by a bobbing arrow that shows
// only while in view. Its "Physical" is the arrow's current place; the game logic's reach test
// measures from there.
class ItemDropoff : public EntityClass<ItemDropoff> {
 public:
  static constexpr char kClassName[] = "ItemDropoff";
  static void Describe(ClassBuilder<ItemDropoff>& c);

  explicit ItemDropoff(const GameServices& services);
  ~ItemDropoff() override;
  void OnCreate() override;
  void OnUpdate();
  void UpdateVisible();
  // Credits the thief's carried record and frees its spawn. Does not depend on this drop-off,
  // so any drop-off may be asked.
  void Dropoff(Entity* thief);

  PhysicalComp physical;
  MapIndexComp mapIndex;
  ModelComp model;
  platform::Vector3 base{};
  bool visible = false;

 private:
  const GameServices services_;
};
