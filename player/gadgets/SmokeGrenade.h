#pragma once
#include "entity/EntityClass.h"
#include "graphics/EmitterHandle.h"
#include "graphics/ModelComp.h"
#include "physics/BoundingData.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"

// A thrown smoke bomb: it flies trailing smoke, bursts into a cloud once it lies still and goes
// 10 s after the throw. While it exists it is on the game's "SmokeGrenade" list, where the AI
// finds the clouds by the smoking flag.
class SmokeGrenade : public EntityClass<SmokeGrenade> {
 public:
  static constexpr char kClassName[] = "SmokeGrenade";
  static void Describe(ClassBuilder<SmokeGrenade>& c);
  static constexpr float kLife = 10.0f;
  // Squared speed below which the bomb lies still.
  static constexpr float kAtRest = 0.1f;

  explicit SmokeGrenade(const GameServices& services) : services_(services) {}
  ~SmokeGrenade() override;
  void OnCreate() override;
  void OnUpdate();
  void Destroy();

  bool smoking = false;
  ModelComp model;
  BoundingData bounds;
  PhysicalComp physical;
  ClusterInfo cluster;
  MapIndexComp mapIndex;
  // Both belong to the particle manager, which may drop them first (a new game clears it).
  EmitterHandle trail;
  EmitterHandle cloud;

 private:
  const GameServices services_;
};
