#include "map/BspMap.h"
#include "physics/MapCollision.h"
#include "platform/physics/Actor.h"
#include "platform/physics/Scene.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

using PhysicalCompTest = PhysicsTest;

TEST_F(PhysicalCompTest, FreshComponentAnswersTheOriginAndTheUnusualStartOrientation) {
  PhysicalComp physical;
  EXPECT_EQ(physical.GetPosition(), (platform::Vector3{0, 0, 0}));
  EXPECT_EQ(physical.GetOrientation(), (platform::Quaternion{0, 0, 1, 0}));
  physical.SetDirection({0, 1, 5});
  EXPECT_NEAR(physical.GetOrientation().z, std::sin(0.25 * M_PI), 1e-6);
}

TEST_F(PhysicalCompTest, ActorIsMadeWhereThePoseWasWithTheIdentityOrientation) {
  StartPhysics();
  Prop* body = CreateBody({10, 20, 1000});
  body->physical.SetOrientation({0, 0, 1, 0});
  Frames(1, 0.0);
  ASSERT_TRUE(body->physical.actorCreated);
  EXPECT_EQ(body->physical.GetPosition(), (platform::Vector3{10, 20, 1000}));
  EXPECT_EQ(body->physical.GetOrientation(), (platform::Quaternion{0, 0, 0, 1}));
  EXPECT_EQ(physics->EntityOfActor(body->physical.GetActor()), body);
}

TEST_F(PhysicalCompTest, CachedPositionIsSeenAfterTheNextUpdate) {
  StartPhysics();
  Prop* body = CreateBody({0, 0, 0});
  body->physical.isStatic = 1;
  Frames(1);
  body->physical.SetPositionCached({300, 0, 0});
  EXPECT_EQ(body->physical.GetPosition().x, 0.0f);
  EXPECT_EQ(body->physical.GetSettledPosition().x, 300.0f) << "where it is about to stand";
  Frames(1);
  EXPECT_EQ(body->physical.GetPosition().x, 300.0f);
  EXPECT_EQ(body->physical.GetSettledPosition().x, 300.0f);
}

TEST_F(PhysicalCompTest, FreezesNestAndAFrozenBodyDoesNotFall) {
  StartPhysics();
  Prop* body = CreateBody({0, 0, 1000});
  Frames(1);
  body->physical.RequestFreeze();
  Frames(1);
  body->physical.RequestFreeze();
  Frames(1);
  body->physical.RequestUnfreeze();
  Frames(1);
  EXPECT_TRUE(body->physical.frozen);
  EXPECT_EQ(body->physical.freezeCount, 1);
  const float z = body->physical.GetPosition().z;
  Frames(20);
  EXPECT_NEAR(body->physical.GetPosition().z, z, 0.01f);
  body->physical.RequestUnfreeze();
  Frames(1);
  body->physical.RequestUnfreeze();
  Frames(20);
  EXPECT_FALSE(body->physical.frozen);
  EXPECT_EQ(body->physical.freezeCount, 0);
  EXPECT_LT(body->physical.GetPosition().z, z - 10);
}

TEST_F(PhysicalCompTest, ComponentWithoutActorKeepsItsPoseAndIsNeverNamed) {
  StartPhysics();
  Prop* marker = CreateBody({0, 0, 100});
  marker->physical.createActor = 0;
  Frames(5);
  EXPECT_FALSE(marker->physical.actorCreated);
  EXPECT_EQ(marker->physical.GetPosition().z, 100.0f);
  RayHit hit;
  EXPECT_FALSE(physics->RayCast(0, 0, 500, 0, 0, -1, &hit));
}

TEST_F(PhysicalCompTest, NewBoundsReplaceTheShapeAtTheNextUpdate) {
  StartPhysics();
  Prop* body = CreateBody({0, 0, 0});
  body->physical.isStatic = 1;
  Frames(1);
  RayHit hit;
  ASSERT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -1, &hit));
  EXPECT_NEAR(hit.point.z, 8.0f, 0.01f);
  body->bounds.halfSizeX = body->bounds.halfSizeY = body->bounds.halfSizeZ = 30;
  body->bounds.changed = 1;
  Frames(1);
  EXPECT_FALSE(body->bounds.changed);
  ASSERT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -1, &hit));
  EXPECT_NEAR(hit.point.z, 30.0f, 0.01f);
}

TEST_F(PhysicalCompTest, PositionsThatAreNotNumbersAreRefused) {
  StartPhysics();
  Prop* body = CreateBody({5, 5, 5});
  body->physical.SetPosition({NAN, 0, 0});
  body->physical.SetVelocity({0, INFINITY, 0});
  Frames(1);
  EXPECT_EQ(body->physical.GetPosition().x, 5.0f);
}

TEST_F(PhysicalCompTest, BoxFallsAndRestsOnTheCookedFloorOfADemoMap) {
  StartPhysics();
  BspMap lobby;
  lobby.Load(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp");
  MapCollision collision;
  ASSERT_TRUE(collision.CookWorldMesh(lobby));
  // The entrance hall: floor at z = 0 in the world frame.
  RayHit floor;
  ASSERT_TRUE(physics->RayCast(300, -250, 100, 0, 0, -1, &floor));
  EXPECT_EQ(floor.entity, nullptr);
  Prop* box = CreateBody({300, -250, 100});
  Frames(180);
  EXPECT_NEAR(box->physical.GetPosition().z, floor.point.z + 8.0f, 0.5f);
  EXPECT_NEAR(box->physical.GetVelocity().z, 0.0f, 1.0f);
}

}  // namespace
