#pragma once
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/BoundingData.h"
#include "physics/ClusterInfo.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"

// A suction cup in flight: at its first touch it stops 25 units short of the contact point
// along its flight and goes 2 s later.
class SuctionCup : public EntityClass<SuctionCup> {
 public:
  static constexpr char kClassName[] = "SuctionCup";
  static void Describe(ClassBuilder<SuctionCup>& c);

  explicit SuctionCup(const GameServices& services);
  void OnCreate() override;
  void OnStartTouch(Entity* other);
  void Destroy();

  bool stuck = false;
  ModelComp model;
  BoundingData bounds;
  PhysicalComp physical;
  ClusterInfo cluster;

 private:
  const GameServices services_;
};
