#include "platform/physics/Controller.h"
#include "platform/physics/Flags.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

class Bodiless : public EntityClass<Bodiless> {
 public:
  static constexpr char kClassName[] = "Bodiless";
  static void Describe(ClassBuilder<Bodiless>& c) { c.Component(&Bodiless::playerPhysics); }
  void OnCreate() override {}
  PlayerPhysics playerPhysics;
};

class ControllerTest : public PhysicsTest {
 protected:
  void SetUp() override {
    StartPhysics();
    physics->GetSettings().noclip = false;
  }
  // Walks for `frames` frames of 1/60 s at 150 units per second along `direction`.
  void Walk(TestCharacter* c, platform::Vector3 direction, int frames) {
    c->playerPhysics.move = direction * (150.0f / 60.0f);
    Frames(frames);
    c->playerPhysics.move = {};
  }
  static WorldBuilder Floor() { return std::move(WorldBuilder().AddBox({-1000, -1000, -10}, {1000, 1000, 0})); }
};

TEST_F(ControllerTest, StandsOnTheFloorWithoutGatheringFallSpeed) {
  CookWorld(Floor());
  TestCharacter* thief = CreateCharacter({0, 0, 40});
  Frames(60);
  ASSERT_TRUE(thief->playerPhysics.controllerCreated);
  EXPECT_NEAR(thief->physical.GetPosition().z, 28.0f, 0.5f);
  EXPECT_EQ(thief->playerPhysics.fallVelocity, (platform::Vector3{}));
  EXPECT_EQ(physics->EntityOfActor(thief->physical.GetActor()), thief);
}

TEST_F(ControllerTest, ClimbsSixteenUnitStairsAndIsStoppedByTwentyFourUnitSteps) {
  WorldBuilder world = Floor();
  world.AddStairs(100, 16, 32, 4, 200);
  world.AddBox({228, -100, 0}, {1000, 100, 64});
  world.AddBox({100, 300, 0}, {400, 500, 24});
  CookWorld(world);
  TestCharacter* climber = CreateCharacter({0, 0, 30});
  TestCharacter* blocked = CreateCharacter({0, 400, 30});
  Frames(10);
  climber->playerPhysics.move = blocked->playerPhysics.move = {2.5f, 0, 0};
  Frames(120);
  EXPECT_NEAR(climber->physical.GetPosition().z, 64.0f + 28.0f, 1.0f);
  EXPECT_GT(climber->physical.GetPosition().x, 200.0f);
  EXPECT_NEAR(blocked->physical.GetPosition().z, 28.0f, 1.0f);
  EXPECT_LT(blocked->physical.GetPosition().x, 100.0f - 11.0f);
}

TEST_F(ControllerTest, SlidesAlongAWall) {
  WorldBuilder world = Floor();
  world.AddBox({100, -500, 0}, {150, 500, 200});
  CookWorld(world);
  TestCharacter* thief = CreateCharacter({60, 0, 30});
  Frames(10);
  Walk(thief, {0.7071f, 0.7071f, 0}, 60);
  const platform::Vector3 p = thief->physical.GetPosition();
  EXPECT_LT(p.x, 100.0f - 11.0f);
  EXPECT_GT(p.y, 60.0f);
}

TEST_F(ControllerTest, WalkingOffALedgeGathersFallSpeedUntilItLands) {
  WorldBuilder world = Floor();
  world.AddBox({-100, -100, 0}, {100, 100, 200});
  CookWorld(world);
  TestCharacter* thief = CreateCharacter({0, 0, 230});
  Frames(10);
  Walk(thief, {1, 0, 0}, 50);
  Frames(1);
  EXPECT_LT(thief->playerPhysics.fallVelocity.z, 0.0f);
  Frames(120);
  EXPECT_EQ(thief->playerPhysics.fallVelocity, (platform::Vector3{}));
  EXPECT_NEAR(thief->physical.GetPosition().z, 28.0f, 1.0f);
}

TEST_F(ControllerTest, VerticalMoveIsIgnoredWithoutNoclip) {
  CookWorld(Floor());
  TestCharacter* thief = CreateCharacter({0, 0, 30});
  Frames(10);
  thief->playerPhysics.move = {0, 0, 10};
  Frames(30);
  EXPECT_NEAR(thief->physical.GetPosition().z, 28.0f, 0.5f);
}

TEST_F(ControllerTest, NoclipCarriesTheUsersThiefThroughWallsWithoutGravity) {
  WorldBuilder world = Floor();
  world.AddBox({100, -500, 0}, {150, 500, 200});
  CookWorld(world);
  physics->GetSettings().noclip = true;
  TestCharacter* user = CreateCharacter({0, 0, 100});
  user->info.userControlled = 1;
  TestCharacter* agent = CreateCharacter({0, 300, 100});
  Frames(10);
  EXPECT_NEAR(user->physical.GetPosition().z, 100.0f, 0.01f);
  EXPECT_LT(agent->physical.GetPosition().z, 100.0f);
  user->playerPhysics.move = {5, 0, -1};
  agent->playerPhysics.move = {5, 0, 0};
  Frames(60);
  EXPECT_NEAR(user->physical.GetPosition().x, 300.0f, 0.5f);
  EXPECT_NEAR(user->physical.GetPosition().z, 40.0f, 0.5f);
  EXPECT_LT(agent->physical.GetPosition().x, 100.0f);
}

TEST_F(ControllerTest, CachedPositionPlacesTheCharacterAndSkipsThatUpdatesMove) {
  CookWorld(Floor());
  TestCharacter* thief = CreateCharacter({0, 0, 30});
  Frames(10);
  thief->playerPhysics.move = {10, 0, 0};
  thief->physical.SetPositionCached({500, 500, 28});
  Frames(1, 0.0);
  EXPECT_EQ(thief->physical.GetPosition(), (platform::Vector3{500, 500, 28}));
  Frames(1);
  EXPECT_NEAR(thief->physical.GetPosition().x, 510.0f, 0.1f);
}

TEST_F(ControllerTest, NewBoundsResizeTheController) {
  CookWorld(Floor());
  TestCharacter* thief = CreateCharacter({0, 0, 30});
  Frames(30);
  thief->bounds.halfSizeZ = 50;
  thief->bounds.changed = 1;
  Frames(30);
  EXPECT_FALSE(thief->bounds.changed);
  EXPECT_NEAR(thief->physical.GetPosition().z, 50.0f, 1.0f);
}

TEST_F(ControllerTest, SpawnedInsideAWallItStaysFiniteAndCanMove) {
  WorldBuilder world = Floor();
  world.AddBox({-50, -50, 0}, {50, 50, 200});
  CookWorld(world);
  TestCharacter* thief = CreateCharacter({0, 0, 60});
  thief->playerPhysics.move = {3, 0, 0};
  Frames(120);
  const platform::Vector3 p = thief->physical.GetPosition();
  EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
  thief->playerPhysics.move = {NAN, 0, INFINITY};
  Frames(5);
  EXPECT_TRUE(std::isfinite(thief->physical.GetPosition().x));
}

TEST_F(ControllerTest, AMissingPhysicalIsLoggedEveryUpdate) {
  RegisterEntityClass<Bodiless>("PhysicsLog");
  auto* bodiless = Create<Bodiless>();
  Frames(2);
  EXPECT_FALSE(bodiless->playerPhysics.controllerCreated);
  const std::string log = LogOf("PhysicsLog");
  const std::string line = "PlayerPhysics comp could not find Physical comp";
  EXPECT_NE(log.find(line), log.rfind(line));
}

// The controller owns its actor: the entity's "Physical" must not release it, and the
// controller goes exactly once, with its owner.
TEST_F(ControllerTest, TheControllerAndItsActorAreReleasedOnceByTheirOwner) {
  CookWorld(Floor());
  TestCharacter* thief = CreateCharacter({0, 0, 30});
  TestCharacter* guard = CreateCharacter({200, 0, 30});
  Frames(10);
  ASSERT_EQ(physics->GetControllerManager()->GetNbControllers(), 2u);
  const platform::physics::Actor* actor = thief->physical.GetActor();
  Engine::Get()->GetEntityManager()->QueueDelete(thief);
  guard->playerPhysics.move = {-5, 0, 0};
  Frames(60);
  EXPECT_EQ(physics->GetControllerManager()->GetNbControllers(), 1u);
  EXPECT_EQ(physics->EntityOfActor(actor), nullptr);
  // The guard walks through where the thief stood.
  EXPECT_LT(guard->physical.GetPosition().x, -50.0f);
}

}  // namespace
