#include "physics/PhysicsDebugRenderer.h"
#include "physics/PhysicsSeams.h"
#include "physics/TestBodies.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

struct RecordingGraphics : PhysicsGraphics {
  void AddDebugLine(const platform::Vector3&, const platform::Vector3&, uint32_t argb) override {
    lineColours.push_back(argb);
  }
  void AddDebugBox(const platform::Vector3& centre, const platform::Vector3& size, const platform::Quaternion&,
                   uint32_t argb) override {
    boxes.push_back({centre, size});
    colour = argb;
  }
  void AddDebugSphere(const platform::Vector3& centre, float radius, uint32_t argb) override {
    spheres.push_back({centre, {radius, radius, radius}});
    colour = argb;
  }
  const platform::Vector3* GetCameraReference() override { return nullptr; }

  std::vector<uint32_t> lineColours;
  std::vector<std::pair<platform::Vector3, platform::Vector3>> boxes, spheres;
  uint32_t colour = 0;
};

TEST(PhysicsDebugRendererTest, LinesAsTheyAreAndTrianglesAsTheirOutlines) {
  RecordingGraphics graphics;
  PhysicsDebugRenderer renderer;
  renderer.Render({}, graphics);
  EXPECT_TRUE(graphics.lineColours.empty());
  platform::physics::DebugRenderable renderable;
  renderable.lines.push_back({{0, 0, 0}, {1, 0, 0}, 0xFF00FF00});
  renderable.triangles.push_back({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0xFFFF0000});
  renderer.Render(renderable, graphics);
  EXPECT_EQ(graphics.lineColours, (std::vector<uint32_t>{0xFF00FF00, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000}));
}

using DebugDrawTest = PhysicsTest;

TEST_F(DebugDrawTest, TestBodiesDrawThemselvesEveryFrameAndTheWorldDrawsItsShapes) {
  StartPhysics();
  RecordingGraphics graphics;
  EntityManager* entities = Engine::Get()->GetEntityManager();
  auto* sphere = static_cast<PhySphere*>(entities->Create("PhySphere"));
  sphere->physical.SetPosition({0, 0, 500});
  entities->Create("PhyCube");
  entities->Create("PhyCube");
  Frames(1);  // without graphics nothing is drawn, the bodies still simulate
  physics->SetGraphics(&graphics);
  Frames(1);
  EXPECT_EQ(graphics.boxes.size(), 2u);
  ASSERT_EQ(graphics.spheres.size(), 1u);
  EXPECT_EQ(graphics.spheres[0].second.x, 8.0f);
  EXPECT_LT(graphics.spheres[0].first.z, 500.0f);
  EXPECT_EQ(graphics.boxes[0].second, (platform::Vector3{16, 16, 16}));
  EXPECT_EQ(graphics.colour, 0xFFFFFF00u);
  physics->DrawDebug();
  EXPECT_FALSE(graphics.lineColours.empty());
  physics->SetGraphics(nullptr);
}

}  // namespace
