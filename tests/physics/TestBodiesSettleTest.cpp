#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/BspMap.h"
#include "physics/TestBodies.h"
#include "platform/math/Vector.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

using platform::Vector3;

// The developer test bodies on the demo lobby, made the way the developer actions make them:
// twenty cubes created at one spot ("CubeTest" does not place them apart) and spheres fired
// from a camera ("FirePhyObj").
class TestBodiesSettleTest : public PhysicsTest {
 protected:
  void LoadLobby() {
    lobby.Load(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp");
    ASSERT_TRUE(collision.CookWorldMesh(lobby));
  }

  PhysicalComp* Body(const char* className) {
    Entity* entity = Engine::Get()->GetEntityManager()->Create(className);
    return entity->Find<PhysicalComp>();
  }

  PhysicalComp* Fire(const Vector3& eye, const Vector3& look) {
    const Vector3 dir = platform::Vec3Normalize(look);
    PhysicalComp* sphere = Body(PhySphere::kClassName);
    sphere->SetPosition(eye + dir * 100.0f);
    sphere->CreateActor();
    sphere->SetVelocity(dir * 500.0f);
    return sphere;
  }

  // How far the map's surfaces are from `from` along `dir`.
  float Reach(const Vector3& from, const Vector3& dir) {
    RayHit hit;
    return physics->RayCast(from.x, from.y, from.z, dir.x, dir.y, dir.z, &hit) ? hit.distance : -1;
  }

  BspMap lobby;
  MapCollision collision;
};

TEST_F(TestBodiesSettleTest, FiredSpheresAndDroppedCubesComeToRestOnTheFloorInsideTheHall) {
  StartPhysics();
  LoadLobby();
  // The entrance hall, measured from its middle: its floor, ceiling and four walls.
  const Vector3 middle{384, -256, 100};
  const float floor = middle.z - Reach(middle, {0, 0, -1});
  const float ceiling = middle.z + Reach(middle, {0, 0, 1});
  const float east = middle.x + Reach(middle, {1, 0, 0}), west = middle.x - Reach(middle, {-1, 0, 0});
  const float north = middle.y + Reach(middle, {0, 1, 0}), south = middle.y - Reach(middle, {0, -1, 0});
  ASSERT_NEAR(floor, 0.0f, 0.5f);
  ASSERT_GT(ceiling, floor + 100);

  std::vector<PhysicalComp*> cubes, spheres;
  for (int i = 0; i < 20; ++i) {
    cubes.push_back(Body(PhyCube::kClassName));
    cubes.back()->SetPosition({300, -250, floor + 8});
  }
  // Spheres start 100 units in front of the eye, so the eye keeps that far from what it faces.
  const Vector3 eye{100, -100, 60};
  for (const Vector3& look : {Vector3{1, -0.5f, -0.2f}, Vector3{0, -1, 0}, Vector3{0.5f, -0.5f, -0.3f},
                              Vector3{0.2f, -0.2f, 1}, Vector3{1, -1, 0}}) {
    spheres.push_back(Fire(eye, look));
  }
  // A sphere that ends up rolling along a wall slows only through its angular damping.
  Frames(20 * 60);

  const auto check = [&](const std::vector<PhysicalComp*>& bodies, float half, const char* kind) {
    for (size_t i = 0; i < bodies.size(); ++i) {
      const Vector3 at = bodies[i]->GetPosition();
      SCOPED_TRACE(std::string(kind) + " " + std::to_string(i) + " at " + std::to_string(at.x) + " " +
                   std::to_string(at.y) + " " + std::to_string(at.z));
      EXPECT_GE(at.z, floor + half - 0.5f);
      EXPECT_LE(at.z, ceiling - half);
      EXPECT_GT(at.x, west + half - 0.5f);
      EXPECT_LT(at.x, east - half + 0.5f);
      EXPECT_GT(at.y, south + half - 0.5f);
      EXPECT_LT(at.y, north - half + 0.5f);
      EXPECT_LT(platform::Vec3Length(bodies[i]->GetVelocity()), 1.0f);
    }
  };
  check(cubes, 8, "cube");
  check(spheres, 8, "sphere");
}

}  // namespace
