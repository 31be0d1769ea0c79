#include <cfloat>
#include <cmath>

#include "map/BspMap.h"
#include "physics/PhysicsSeams.h"
#include "physics/TestBodies.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

class Marker : public EntityClass<Marker> {
 public:
  static constexpr char kClassName[] = "Marker";
  static void Describe(ClassBuilder<Marker>& c) { c.Component(&Marker::cluster); }
  void OnCreate() override {}
  ClusterInfo cluster;
};

class QueryTest : public PhysicsTest {
 protected:
  void SetUp() override {
    StartPhysics();
    CookWorld(WorldBuilder().AddBox({-500, -500, -10}, {500, 500, 0}));
  }
};

TEST_F(QueryTest, ARayNamesTheEntityItHitsAndNoneForTheWorld) {
  Prop* box = CreateBody({0, 0, 100});
  box->physical.isStatic = 1;
  Frames(1);
  RayHit hit;
  ASSERT_TRUE(physics->RayCast(0, 0, 500, 0, 0, -1, &hit));
  EXPECT_EQ(hit.entity, box);
  EXPECT_NEAR(hit.distance, 392.0f, 0.01f);
  EXPECT_NEAR(hit.normal.z, 1.0f, 1e-4);
  ASSERT_TRUE(physics->RayCast(300, 0, 500, 0, 0, -1, &hit));
  EXPECT_EQ(hit.entity, nullptr);
  EXPECT_NEAR(hit.point.z, 0.0f, 0.01f);
}

TEST_F(QueryTest, TheDirectionNeedNotBeAUnitVector) {
  RayHit hit;
  ASSERT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -0.001f, &hit));
  EXPECT_NEAR(hit.distance, 100.0f, 0.01f);
}

TEST_F(QueryTest, AMissLeavesTheEntityAndReportsTheLargestDistance) {
  Prop* marker = CreateBody({0, 0, 0});
  RayHit hit;
  hit.entity = marker;
  EXPECT_FALSE(physics->RayCast(0, 0, 100, 0, 0, 1, &hit));
  EXPECT_EQ(hit.entity, marker);
  EXPECT_EQ(hit.distance, FLT_MAX);
  EXPECT_FALSE(physics->RayCast(0, 0, 100, 0, 0, -1, nullptr) == false);
}

TEST_F(QueryTest, ZeroAndNonFiniteDirectionsMiss) {
  RayHit hit;
  EXPECT_FALSE(physics->RayCast(0, 0, 100, 0, 0, 0, &hit));
  EXPECT_FALSE(physics->RayCast(0, 0, 100, NAN, 0, -1, &hit));
  EXPECT_FALSE(physics->RayCast(0, 0, 100, 0, 0, -INFINITY, &hit));
  EXPECT_FALSE(physics->RayCast(NAN, 0, 100, 0, 0, -1, &hit));
}

TEST_F(QueryTest, TheBoxQuerySeesStaticShapesOnly) {
  Prop* crate = CreateBody({0, 0, 300});
  crate->physical.RequestFreeze();
  Frames(2);
  EXPECT_FALSE(physics->BoxOverlapsStatic(0, 0, 300, 50, 50, 50));
  EXPECT_TRUE(physics->BoxOverlapsStatic(0, 0, 0, 50, 50, 50));
  EXPECT_TRUE(physics->BoxOverlapsStatic(0, 0, 0, -50, -50, -50));
  EXPECT_FALSE(physics->BoxOverlapsStatic(0, 0, NAN, 50, 50, 50));
}

TEST_F(QueryTest, PurgeDeletesTheTestBodiesOnceAndSkipsThoseAlreadyGone) {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  Entity* cube = entities->Create("PhyCube");
  Entity* sphere = entities->Create("PhySphere");
  Entity* gone = entities->Create("PhyCube");
  const uint32_t ids[] = {cube->GetId(), sphere->GetId()};
  Frames(1);
  entities->QueueDelete(gone);
  Frames(1);
  ASSERT_EQ(physics->TestBodyCount(), 3u);
  physics->DeleteTestBodies();
  physics->DeleteTestBodies();
  EXPECT_EQ(physics->TestBodyCount(), 0u);
  Frames(1);
  for (uint32_t id : ids) EXPECT_EQ(entities->FindEntity(id), nullptr);
}

TEST_F(QueryTest, ASphereHittingABodyThatOptedInGivesItTheMessage) {
  Prop* target = CreateBody({0, 0, 20}, {20, 20, 20});
  target->physical.isStatic = 1;
  target->physical.sendOnStartTouch = 1;
  auto* sphere = static_cast<PhySphere*>(Engine::Get()->GetEntityManager()->Create("PhySphere"));
  sphere->physical.SetPosition({0, 0, 200});
  Frames(60);
  EXPECT_GE(target->touches.Count("OnStartTouch:" + std::to_string(sphere->GetId())), 1u);
}

TEST_F(QueryTest, ClusterInfoFollowsAnEntityAcrossTheClustersOfADemoMap) {
  BspMap lobby;
  lobby.Load(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp");
  Prop* thief = CreateBody({300, -250, 60});
  thief->physical.createActor = 0;
  thief->mapIndex.mapIndex = 0;
  physics->UpdateClusters();
  EXPECT_EQ(thief->cluster.cluster, 0);  // no current map
  physics->SetCurrentMap(&lobby);
  physics->UpdateClusters();
  const int32_t hall = thief->cluster.cluster;
  EXPECT_EQ(hall, lobby.GetClusterAt({300, -250, 60}));
  // Into the Egyptian room.
  thief->physical.SetPosition({300, -1300, 60});
  EXPECT_EQ(thief->cluster.cluster, hall);
  physics->UpdateClusters();
  EXPECT_NE(thief->cluster.cluster, hall);
  EXPECT_EQ(thief->cluster.cluster, lobby.GetClusterAt({300, -1300, 60}));
  // Without an active camera the map's camera cluster stays unplaced.
  EXPECT_EQ(lobby.GetCameraCluster(), -1);
  physics->SetCurrentMap(nullptr);
}

TEST_F(QueryTest, ClusterInfoWithoutPhysicalKeepsItsValueAndDestroyedOnesLeaveTheList) {
  RegisterEntityClass<Marker>("PhysicsLog");
  auto* marker = Create<Marker>();
  marker->cluster.cluster = 7;
  Prop* doomed = CreateBody({0, 0, 0});
  Engine::Get()->GetEntityManager()->QueueDelete(doomed);
  Frames(1);
  physics->UpdateClusters();
  EXPECT_EQ(marker->cluster.cluster, 7);
}

}  // namespace
