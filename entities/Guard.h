#pragma once
#include <cstdint>
#include <string>

#include "ai/AIComponent.h"
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/BoundingData.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"
#include "player/GameServices.h"
#include "player/PlayerInfo.h"

class Flashlight;

// How a guard looks this frame: its animation set and whether its flashlight shines.
struct GuardLook {
  uint32_t animation = 1;
  bool light = false;
  bool operator==(const GuardLook&) const = default;
};

// The look of a guard by its AI's current action and its speed: chasing or running (above 300)
// it runs with its light on; confused, idle or asleep it stands in the dark; looking about it
// stands with its light on ("look no light": off); anything else walks in the dark. The lamp
// flag keeps the light on whatever it does.
GuardLook ChooseGuardLook(const AIComponent& ai, float speed);

// The body of a museum guard: a character the AI drives, with a flashlight in its right hand.
// The AI decides what it does; the guard gives that a look each frame (animation and light) and
// carries its flashlight along after every draw. Busting is the game logic's distance rule, so
// touches reach the guard but change nothing.
class Guard : public EntityClass<Guard> {
 public:
  static constexpr char kClassName[] = "Guard";
  static constexpr char kHandBone[] = "Bip01_R_Hand";
  static void Describe(ClassBuilder<Guard>& c);

  explicit Guard(const GameServices& services);
  ~Guard() override;
  void OnCreate() override;
  void UpdateLight();
  void PlaceFlashlight();
  void OnModelDraw();
  // The guard's flashlight; null once it is gone.
  Flashlight* GetFlashlight() const;

  PlayerInfo info;
  EntityHandle flashlight;
  ModelComp model;
  PlayerPhysics playerPhysics;
  PhysicalComp physical;
  AIComponent ai;
  BoundingData bounds;
  ClusterInfo cluster;
  MapIndexComp mapIndex;

 private:
  const GameServices services_;
};
