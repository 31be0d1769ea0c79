#pragma once
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "ai/AI.h"
#include "ai/AIComponent.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentRoute.h"
#include "ai/agents/AgentWorld.h"
#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"
#include "tests/support/EngineFixture.h"

// A thief or a guard as the AI sees one: a body, a controller's move, a map and an agent.
class TestAgent : public EntityClass<TestAgent> {
 public:
  static constexpr char kClassName[] = "TestAgent";
  static void Describe(ClassBuilder<TestAgent>& c);
  TestAgent() { physical.createActor = 0; }
  void OnCreate() override {}

  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  MapIndexComp mapIndex;
  AIComponent ai;
};

// Anything else the agents go for: items, spawns, drop-offs, teleporters, lasers, bombs.
class TestPlace : public EntityClass<TestPlace> {
 public:
  static constexpr char kClassName[] = "TestPlace";
  static void Describe(ClassBuilder<TestPlace>& c);
  TestPlace() { physical.createActor = 0; }
  void OnCreate() override {}

  PhysicalComp physical;
  MapIndexComp mapIndex;
};

// The game around the agents, played by the test: a floor at z = 0, walls as boxes, agents as
// balls a ray can hit, the thieves' gear, and a journal of what the agents did with it.
class RecordingWorld : public AgentWorld {
 public:
  struct Gear {
    bool carrying = false;
    bool inBox = false;
    int32_t boxes = 1;
    int32_t battery = 100;
    int32_t outfit = 0;
    int32_t variant = 0;
    bool smokeTarget = false;
    int32_t gadget = -1;
  };
  struct Wall {
    platform::Vector3 min, max;
  };
  struct Teleporter {
    EntityHandle target;
    bool banned = false;
    std::string name;
    std::string followOn;
  };

  Entity* GetControlledPlayer() const override { return controlled.Get(); }
  int32_t GetDifficulty() const override { return difficulty; }
  int32_t GetCurrentMapIndex() const override { return 0; }
  bool IsPlayHeld() const override { return false; }
  std::vector<Entity*> GetEntities(const std::string& className) const override;
  bool CastRay(const platform::Vector3& origin, const platform::Vector3& direction, AgentRayHit& hit) const override;
  void MovePlayerToStart(Entity& thief) override;
  Entity* CreateEntity(const std::string& className) override;
  bool CarriesItem(const Entity& thief) const override { return GearOf(thief).carrying; }
  bool IsInBox(const Entity& agent) const override { return GearOf(agent).inBox; }
  int32_t GetBoxes(const Entity& thief) const override { return GearOf(thief).boxes; }
  void SetBoxes(Entity& thief, int32_t boxes) override { gear[thief.GetId()].boxes = boxes; }
  int32_t GetBattery(const Entity& thief) const override { return GearOf(thief).battery; }
  int32_t GetOutfit(const Entity& thief) const override { return GearOf(thief).outfit; }
  void SetOutfit(Entity& thief, int32_t outfit) override { gear[thief.GetId()].outfit = outfit; }
  void SetModelVariant(Entity& guard, int32_t variant) override { gear[guard.GetId()].variant = variant; }
  bool IsSmokeTarget(const Entity& guard) const override { return GearOf(guard).smokeTarget; }
  Entity* GetTouchedTeleporter(const Entity& thief) const override;
  void SelectGadget(Entity& thief, int32_t gadget) override { gear[thief.GetId()].gadget = gadget; }
  void Fire(Entity& thief) override;
  void FireAt(Entity& thief, const platform::Vector3& point) override;
  void ReturnCarriedItem(Entity& thief) override;
  void Deliver(Entity& dropoff, Entity& thief) override;
  bool IsItemForThieves(const Entity& item) const override { return !playerOnly.count(item.GetId()); }
  bool IsSpawnOccupied(const Entity& spawn) const override { return !emptySpawns.count(spawn.GetId()); }
  bool IsSpawnPlayerOnly(const Entity& spawn) const override { return playerOnly.count(spawn.GetId()) != 0; }
  bool IsTeleporterBanned(const Entity& teleporter) const override;
  Entity* GetTeleporterTarget(const Entity& teleporter) const override;
  std::string GetFollowOnName(const Entity& target) const override;
  std::string GetTeleporterName(const Entity& teleporter) const override;
  void Teleport(Entity& teleporter, Entity& thief) override;
  bool IsLaserActive(const Entity& laser) const override { return !disabledLasers.count(laser.GetId()); }
  void DisableLaser(Entity& laser, float seconds) override;
  bool HasReleasedSmoke(const Entity& grenade) const override { return !flyingGrenades.count(grenade.GetId()); }
  void PlaySound(const std::string& name, Entity& at) override;

  Gear GearOf(const Entity& entity) const;

  EntityHandle controlled;
  int32_t difficulty = 2;
  std::map<std::string, std::vector<EntityHandle>> lists;
  // A floor at z = 0 under the whole world.
  bool floor = true;
  std::vector<Wall> walls;
  std::map<uint32_t, Gear> gear;
  std::map<uint32_t, Teleporter> teleporters;
  std::set<uint32_t> playerOnly, emptySpawns, disabledLasers, flyingGrenades;
  platform::Vector3 start{0, 0, 40};
  // What the agents did, one line each: "fire 2", "deliver at 7", "sound alarm at 7" ...
  std::vector<std::string> journal;
};

// A follower that walks straight at its goal, at the agent's speed, and arrives within 16 units.
// Patrol paths are lists of points.
class WalkingRoute : public AgentRoute {
 public:
  WalkingRoute(AIComponent& agent, const std::vector<std::vector<platform::Vector3>>& patrols)
      : agent_(agent), patrols_(patrols) {}
  void Reset() override;
  void PlanTo(Entity& target) override;
  void PlanToPoint(const platform::Vector3& point) override;
  bool HasPatrolPath(int32_t index) const override;
  bool TakePatrolPath(int32_t index) override;
  int32_t NodeCount() const override { return static_cast<int32_t>(points_.size()); }
  bool HasRoute() const override { return !points_.empty(); }
  bool FirstStop(PatrolStop&) const override { return false; }
  void Update(float dt, int32_t mapIndex) override;
  void SteerTo(Entity& target, float dt) override;

  // Places no route reaches.
  std::vector<platform::Vector3> unreachable;

 private:
  void Walk(const platform::Vector3& goal, float dt);

  AIComponent& agent_;
  const std::vector<std::vector<platform::Vector3>>& patrols_;
  std::vector<platform::Vector3> points_;
};

// An engine without systems; an AI (not run by the engine) with the shipped action sets, the
// agents' settings, three maps and the test's world; frames of a fixed length that move every agent by what it
// asked of its controller.
class AgentTest : public EngineFixture {
 protected:
  static constexpr float kFrame = 1.0f / 60.0f;

  AgentTest();
  ~AgentTest() override;

  TestAgent* Thief(const platform::Vector3& at, uint32_t map = 0);
  TestAgent* Guard(const platform::Vector3& at, uint32_t map = 0);
  TestPlace* Place(const std::string& className, const platform::Vector3& at, uint32_t map = 0);
  // Runs the AI for that long in fixed frames.
  void Run(float seconds);
  void Frame(float dt = kFrame);
  static platform::Vector3 Where(TestAgent* agent) { return agent->physical.GetPosition(); }
  std::string State(TestAgent* agent) const { return agent->ai.GetStateName(); }
  std::string Action(TestAgent* agent) const { return agent->ai.GetCurrentAction().Name; }

  RecordingWorld world;
  AI ai{*Engine::Instance()};
  AgentRoster& roster = ai.GetRoster();
  std::vector<std::vector<platform::Vector3>> patrols;
};
