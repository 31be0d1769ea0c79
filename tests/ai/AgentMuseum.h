#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "logic/GameAgentWorld.h"
#include "entity/EntityClass.h"
#include "graphics/Camera.h"
#include "physics/BoundingData.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"
#include "platform/core/Clock.h"
#include "player/PlayerInfo.h"

class Guard;

// A thief the test walks by hand, in place of the game's: a character on the physics world with
// an agent the guards see and hear. It counts the guards' touches instead of being busted.
class MuseumThief : public EntityClass<MuseumThief> {
 public:
  static constexpr char kClassName[] = "Player";
  static void Describe(ClassBuilder<MuseumThief>& c);
  MuseumThief();
  ~MuseumThief() override;
  void OnCreate() override;
  void GuardTouch(Entity* guard);

  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  MapIndexComp mapIndex;
  PlayerInfo info;
  AIComponent ai;
  BoundingData bounds;
  Camera camera;
  int touches = 0;
};

// The game as the agents see it, but the sounds they play and the gadgets they use are written
// down, one line each ("sound alarm at 12", "fire"), instead of being played or fired; the rays
// the agents cast are counted.
class RecordingGameWorld : public GameAgentWorld {
 public:
  using GameAgentWorld::GameAgentWorld;
  bool CastRay(const platform::Vector3& origin, const platform::Vector3& direction, AgentRayHit& hit) const override;
  void SelectGadget(Entity& thief, int32_t gadget) override;
  void Fire(Entity& thief) override;
  void FireAt(Entity& thief, const platform::Vector3& point) override;
  void PlaySound(const std::string& name, Entity& at) override;

  std::vector<std::string> journal;
  mutable int64_t rays = 0;
};

// The demo museum in the working folder, played by the real game logic, physics and AI (the
// other systems idle) with the AI settings given: the shipped action sets, guards made from the
// maps' patrol markers, the user's thief a MuseumThief. Frames are 1/60 s of the clock handed in.
class AgentMuseum {
 public:
  static constexpr double kFrame = 1.0 / 60.0;

  explicit AgentMuseum(platform::ManualClock& clock) : clock_(clock) {}

  // Settings for guards that see 800 units and hear a walking thief within 400, no computer
  // thieves, routes neither saved nor learned.
  static AIConfig GuardSettings();
  // The demo tree's maps, graphs, lists and action sets, and these AI settings.
  static void MakeTree(const AIConfig& settings);
  // The engine with the game's systems; started again when it runs already.
  void StartEngine();
  // A game, its fly-through over, every character given the guard model's size.
  void StartRound();
  void Frame();
  void Run(double seconds);

  MuseumThief* User() const;
  // The guards, in the order the guard set-up made them.
  std::vector<Guard*> Guards() const;
  // The guard whose home is nearest the point.
  Guard* GuardNear(const platform::Vector3& point) const;

  // Made with each engine, for its game logic.
  std::unique_ptr<RecordingGameWorld> world;

 private:
  platform::ManualClock& clock_;
};
