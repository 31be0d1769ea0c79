#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ai/AIComponent.h"
#include "graphics/ParticleManager.h"
#include "player/EntityList.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/Player.h"
#include "player/TeleportDoor.h"
#include "tests/graphics/GraphicsFixture.h"
#include "tests/physics/PhysicsTestSupport.h"

// The game logic as the thieves see it, played by the test: which thief the user controls, the
// round flag, the class lists, the starts a bust sends a thief to, and the freezes it ends.
class StandInLogic : public LogicServices {
 public:
  bool IsInGame() const override { return true; }
  bool IsRoundOver() const override { return roundOver; }
  bool IsFlyThroughRunning() const override { return flyThrough; }
  int32_t GetDifficulty() const override { return 1; }
  int32_t GetGender() const override { return gender; }
  Entity* GetPlayerEntity() const override { return player.Get(); }
  int32_t GetCurrentMapIndex() const override { return 0; }
  bool SetCurrentMap(int32_t) override { return true; }
  void RegisterEntity(const std::string& className, const Entity& entity) override { lists[className].Add(entity); }
  void UnregisterEntity(const std::string& className, const Entity& entity) override;
  const EntityList* GetEntities(const std::string& className) const override;
  void MovePlayerToStart(Entity& thief) override;
  Entity* CreateGadgetEnt(const std::string& name) override;
  void SetLastTeleporter(const Entity&, const std::string&) override {}
  void StartMapFlyThrough() override {}
  void ReportBusted() override { ++bustScreens; }
  void ReportItemTaken() override {}
  void ReportItemDelivered() override {}
  void UnfreezeLater(const Entity& entity, float delay) override;
  void RespawnItem(ItemRecord&) override { ++itemsRespawned; }

  EntityHandle player;
  bool roundOver = false;
  bool flyThrough = false;
  int32_t gender = 0;
  platform::Vector3 start{0, 0, 40};
  int bustScreens = 0;
  int startsUsed = 0;
  int itemsRespawned = 0;
  std::map<std::string, EntityList> lists;
};

// An entity of the level that answers a taser hit the way a trip laser does.
class StandInLaser : public EntityClass<StandInLaser> {
 public:
  static constexpr char kClassName[] = "StandInLaser";
  static void Describe(ClassBuilder<StandInLaser>& c);
  StandInLaser() { physical.isStatic = 1; }
  void OnCreate() override {}
  void Disable(float seconds) { disabledFor.push_back(seconds); }

  PhysicalComp physical;
  std::vector<float> disabledFor;
};

// A guard: a character with an AI of the kind "guard" and the outfit its set-up chose.
class StandInGuard : public EntityClass<StandInGuard> {
 public:
  static constexpr char kClassName[] = "StandInGuard";
  static void Describe(ClassBuilder<StandInGuard>& c);
  StandInGuard();
  void OnCreate() override { ai.kind = "guard"; }

  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  PlayerInfo info;
  BoundingData bounds;
  AIComponent ai;
};

// What carries out the stand-in logic's delayed unfreezes.
class StandInCommands : public EntityClass<StandInCommands> {
 public:
  static constexpr char kClassName[] = "StandInCommands";
  static void Describe(ClassBuilder<StandInCommands>& c);
  void OnCreate() override {}
  void Unfreeze(uint32_t id);
};

// The real physics and graphics (offscreen) with the demo's models, particle effects and gadget
// files, the thief's classes registered and the stand-in logic handed in. The other systems
// only record.
class PlayerWorldTest : public GraphicsFixture {
 protected:
  PlayerWorldTest();
  ~PlayerWorldTest() override;

  void StartWorld();
  // Frames of `seconds` each through the engine's main loop.
  void Frames(int count, double seconds = 1.0 / 60.0);
  void CookWorld(const WorldBuilder& world);
  // A floor from -2000 to 2000 in x and y with its top at z = 0.
  static WorldBuilder Floor();
  // The floor and a wall across it from x to x + 20, 400 high.
  static WorldBuilder FloorAndWall(float x);
  // Cooks the floor and the wall and stands a computer thief at (0, 0, 40).
  Player* ThiefBeforeWall(float x);
  // A thief standing at `position`; the user's when `user`.
  Player* SpawnThief(const platform::Vector3& position, bool user = true);
  StandInGuard* SpawnGuard(const platform::Vector3& position);
  template <class T>
  T* Create() {
    return static_cast<T*>(Engine::Get()->GetEntityManager()->Create(T::kClassName));
  }
  // Points the thief's camera (and so its aim) along `direction`, level.
  static void Face(Player* thief, const platform::Vector3& direction);
  int EmitterCount() const;
  // The newest emitter of that kind the particle manager still holds, or null.
  template <class Emitter>
  static Emitter* Newest() {
    ParticleManager* particles = Engine::Get()->GetGraphics()->GetParticleManager();
    for (uint32_t serial = 1000; serial > 0; --serial) {
      if (auto* emitter = dynamic_cast<Emitter*>(particles->FindEmitter(serial))) return emitter;
    }
    return nullptr;
  }

  // Registers a class whose objects are handed the engine and the stand-in logic when made.
  template <class T>
  void RegisterServed() {
    RegisterEntityClass<T>("LogicLog", [this] { return new T(*services); });
  }

  Physics* physics = nullptr;
  StandInLogic logic;
  // Made once the engine runs: what the thieves and their gadgets are handed.
  std::optional<GameServices> services;
  std::vector<std::unique_ptr<MapCollision>> collisions;
  std::vector<std::unique_ptr<WorldBuilder>> worlds;
};

// A teleporter as the thief sees it: the sound of going through, and the ids it is told to move.
class StandInTeleporter : public EntityClass<StandInTeleporter>, public TeleportDoor {
 public:
  static constexpr char kClassName[] = "StandInTeleporter";
  static void Describe(ClassBuilder<StandInTeleporter>& c);
  void OnCreate() override {}
  std::string GetTeleportSound() const override { return "teleport"; }
  void Teleport(uint32_t thiefId) { moved.push_back(thiefId); }

  std::vector<uint32_t> moved;
};
