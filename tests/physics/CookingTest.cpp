#include <filesystem>
#include <functional>

#include "physics/MapCollision.h"
#include "platform/physics/Scene.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

using CookingTest = PhysicsTest;

TEST(MapCollisionTrianglesTest, SixMeshVerticesMakeTwoTrianglesAndListedTexturesNone) {
  WorldBuilder world;
  world.AddBox({0, 0, 0}, {10, 10, 10}, "textures/solid");
  world.AddBox({20, 0, 0}, {30, 10, 10}, "textures/glass");
  EXPECT_EQ(MapCollision::CollectTriangles(world.map, {}).size(), 2u * 3 * 12);
  const std::vector<uint32_t> solid = MapCollision::CollectTriangles(world.map, {"textures/glass"});
  ASSERT_EQ(solid.size(), 3u * 12);
  EXPECT_EQ(solid[0], 0u);
  EXPECT_EQ(solid[5], 3u);
  EXPECT_TRUE(MapCollision::CollectTriangles(world.map, {"textures/glass", "textures/solid"}).empty());
}

TEST(MapCollisionTrianglesTest, MeshVertexRangesOutsideTheMapAreNotFollowed) {
  WorldBuilder world;
  world.AddBox({0, 0, 0}, {10, 10, 10});
  world.map.faces[0].meshVertexCount = 1000;
  world.map.faces[1].firstMeshVertex = -6;
  world.map.faces[2].texture = 99;
  const std::vector<uint32_t> indices = MapCollision::CollectTriangles(world.map, {});
  EXPECT_EQ(indices.size() % 3, 0u);
  // The first face runs to the end of the mesh vertices (36), the next two give nothing and the
  // last three their own 6 each.
  EXPECT_EQ(indices.size(), 36u + 3 * 6);
}

TEST_F(CookingTest, ListedTexturesDoNotCollideAndTheScratchFileStays) {
  StartPhysics();
  TempDir::Write(kNoPhysicsTexturesPath,
                 "<?xml version=\"1.0\"?>\n<list><string>textures/glass</string></list>");
  WorldBuilder world;
  world.AddBox({-100, -100, -10}, {100, 100, 0}, "textures/solid");
  world.AddBox({-100, -100, 50}, {100, 100, 60}, "textures/glass");
  CookWorld(world);
  EXPECT_TRUE(TempDir::Exists(kCookedMeshPath));
  RayHit hit;
  ASSERT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -1, &hit));
  EXPECT_NEAR(hit.point.z, 0.0f, 0.01f);
}

TEST_F(CookingTest, AMissingTextureListIsNamedNotWrittenAndEveryFaceCollides) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-100, -100, -10}, {100, 100, 0}));
  EXPECT_FALSE(TempDir::Exists(kNoPhysicsTexturesPath));
  EXPECT_NE(LogOf("PhysicsLog").find("Failed to load config. " + std::string(kNoPhysicsTexturesPath) + ": could not open file"),
            std::string::npos);
  EXPECT_EQ(collisions[0]->GetTriangleCount(), 12u);
}

TEST_F(CookingTest, WithEveryTextureListedThereIsNoActor) {
  StartPhysics();
  TempDir::Write(kNoPhysicsTexturesPath, "<?xml version=\"1.0\"?>\n<list><string>textures/test/solid</string></list>");
  CookWorld(WorldBuilder().AddBox({-100, -100, -10}, {100, 100, 0}));
  EXPECT_EQ(collisions[0]->GetTriangleCount(), 0u);
  EXPECT_EQ(collisions[0]->GetActor(), nullptr);
}

TEST_F(CookingTest, BrokenTrianglesAreLeftOutAndLoggedTheRestCollides) {
  StartPhysics();
  WorldBuilder world;
  world.AddBox({-100, -100, -10}, {100, 100, 0});
  world.map.meshVertices[0] = 5000;                                        // out of range
  world.map.meshVertices[6] = world.map.meshVertices[7] = world.map.meshVertices[8];  // degenerate
  CookWorld(world);
  EXPECT_NE(LogOf("PhysicsLog").find("Collision mesh: left out 1 triangles outside the map and 1 degenerate"),
            std::string::npos);
  RayHit hit;
  EXPECT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -1, &hit));
}

// A working folder that cannot take the scratch file (read-only, full, or the name taken by a
// folder) used to leave the map without collision: the mesh is cooked in memory instead.
TEST_F(CookingTest, AScratchFileThatCannotBeWrittenOrReadBackIsLoggedAndTheMeshCookedInMemory) {
  StartPhysics();
  struct Case {
    const char* what;
    std::function<void()> spoil;
    const char* line;
  } cases[] = {
      {"a folder in its place", [] { std::filesystem::create_directory(kCookedMeshPath); }, "Could not write tmp.bin"},
      // Whatever is written vanishes, so the read finds no mesh.
      {"the null device", [] { std::filesystem::create_symlink("/dev/null", kCookedMeshPath); }, "Could not read tmp.bin"},
      {"a full disk", [] { std::filesystem::create_symlink("/dev/full", kCookedMeshPath); }, "Could not write tmp.bin"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(kCookedMeshPath);
    c.spoil();
    const size_t before = LogOf("PhysicsLog").size();
    MapCollision collision;
    WorldBuilder world;
    world.AddBox({-100, -100, -10}, {100, 100, 0});
    EXPECT_TRUE(collision.CookWorldMesh(world.map)) << c.what;
    EXPECT_NE(collision.GetActor(), nullptr) << c.what;
    const std::string log = LogOf("PhysicsLog").substr(before);
    EXPECT_NE(log.find(c.line), std::string::npos) << log;
    EXPECT_NE(log.find("The collision mesh is cooked in memory instead"), std::string::npos) << log;
    RayHit hit;
    EXPECT_TRUE(physics->RayCast(0, 0, 100, 0, 0, -1, &hit)) << c.what;
  }
}

TEST_F(CookingTest, CookingAgainReplacesTheEarlierActorEvenAcrossRestarts) {
  StartPhysics();
  WorldBuilder world;
  world.AddBox({-100, -100, -10}, {100, 100, 0});
  MapCollision collision;
  ASSERT_TRUE(collision.CookWorldMesh(world.map));
  ASSERT_TRUE(collision.CookWorldMesh(world.map));
  EXPECT_EQ(physics->GetScene()->GetNbActors(), 1u);
  physics->Shutdown();
  physics->Init();
  ASSERT_TRUE(collision.CookWorldMesh(world.map));
  EXPECT_EQ(physics->GetScene()->GetNbActors(), 1u);
  collision.ReleaseActor();
  EXPECT_EQ(physics->GetScene()->GetNbActors(), 0u);
}

}  // namespace
