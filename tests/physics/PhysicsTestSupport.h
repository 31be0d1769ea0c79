#pragma once
#include <string>
#include <vector>

#include "entity/EntityClass.h"
#include "map/BspData.h"
#include "physics/ClusterInfo.h"
#include "physics/MapCollision.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "physics/PlayerPhysics.h"
#include "physics/BoundingData.h"
#include "player/PlayerInfo.h"
#include "tests/support/EngineFixture.h"

// Touch messages as "OnTouch:<other id>" lines (0 for the world), in arrival order.
struct TouchLog {
  void Record(const char* message, Entity* other) {
    lines.push_back(std::string(message) + ":" + std::to_string(other ? other->GetId() : 0));
  }
  size_t Count(const std::string& line) const;
  std::vector<std::string> lines;
};

// A body as the game's pickups and gadgets are: a "Physical" with bounds and map components.
class Prop : public EntityClass<Prop> {
 public:
  static constexpr char kClassName[] = "Prop";
  static void Describe(ClassBuilder<Prop>& c);
  void OnCreate() override {}
  void OnStartTouch(Entity* other) { touches.Record("OnStartTouch", other); }
  void OnTouch(Entity* other) { touches.Record("OnTouch", other); }
  void OnEndTouch(Entity* other) { touches.Record("OnEndTouch", other); }

  PhysicalComp physical;
  BoundingData bounds;
  ClusterInfo cluster;
  MapIndexComp mapIndex;
  TouchLog touches;
};

// A character as the thieves and guards are: its "Physical" takes the controller's actor.
class TestCharacter : public EntityClass<TestCharacter> {
 public:
  static constexpr char kClassName[] = "TestCharacter";
  static void Describe(ClassBuilder<TestCharacter>& c);
  TestCharacter();
  void OnCreate() override {}
  void OnStartTouch(Entity* other) { touches.Record("OnStartTouch", other); }
  void OnTouch(Entity* other) { touches.Record("OnTouch", other); }
  void OnEndTouch(Entity* other) { touches.Record("OnEndTouch", other); }

  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  PlayerInfo info;
  BoundingData bounds;
  TouchLog touches;
};

// Box-shaped geometry as map faces (one texture per box), to be cooked like a map.
struct WorldBuilder {
  WorldBuilder& AddBox(const platform::Vector3& min, const platform::Vector3& max,
                       const std::string& texture = "textures/test/solid");
  // `count` steps of `rise` and `run` going +x from x0, on a floor at z = 0.
  WorldBuilder& AddStairs(float x0, float rise, float run, int count, float width);
  BspData map;
};

// The engine with the real physics system (the other systems only record) in a temporary
// working folder with a "Data" folder, the test entity classes registered.
class PhysicsTest : public EngineFixture {
 protected:
  PhysicsTest();
  Physics* StartPhysics();
  // Frames of `seconds` each through the engine's main loop.
  void Frames(int count, double seconds = 1.0 / 60.0);
  template <class T>
  T* Create() {
    return static_cast<T*>(Engine::Get()->GetEntityManager()->Create(T::kClassName));
  }
  Prop* CreateBody(const platform::Vector3& position, const platform::Vector3& half = {8, 8, 8});
  TestCharacter* CreateCharacter(const platform::Vector3& position);
  // Cooks the builder's faces as a map's collision.
  void CookWorld(const WorldBuilder& world);

  Physics* physics = nullptr;
  std::vector<std::unique_ptr<MapCollision>> collisions;
  std::vector<std::unique_ptr<WorldBuilder>> worlds;
};
