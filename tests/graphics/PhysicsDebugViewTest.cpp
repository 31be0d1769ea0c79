#include <gtest/gtest.h>

#include <string>

#include "engine/VariableTable.h"
#include "graphics/Camera.h"
#include "map/BspMap.h"
#include "physics/MapCollision.h"
#include "physics/Physics.h"
#include "physics/TestBodies.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

using platform::Vector3;

// The real graphics and physics systems together, the demo lobby's collision cooked, and a
// camera in its entrance hall looking north-east over the floor.
class PhysicsDebugViewTest : public GraphicsFixture {
 protected:
  PhysicsDebugViewTest() {
    camera.position = {100, -450, 120};
    camera.direction = platform::Vec3Normalize({0.6f, 0.8f, -0.45f});
  }
  ~PhysicsDebugViewTest() override {
    if (graphics) graphics->SetActiveCamera(nullptr);
  }

  void Start() {
    SystemFactories systems = RecordingSystems();
    systems.graphics = [] { return new Graphics(); };
    systems.physics = [] { return new Physics(); };
    Engine::Instance()->Init(systems);
    graphics = Engine::Get()->GetGraphics();
    physics = Engine::Get()->GetPhysics();
    SetVariable("BlurOn", false);
    lobby.Load(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp");
    ASSERT_TRUE(collision.CookWorldMesh(lobby));
  }

  PhysicalComp* Body(const char* className) {
    Entity* entity = Engine::Get()->GetEntityManager()->Create(className);
    return entity->Find<PhysicalComp>();
  }

  // As "FirePhyObj" fires one.
  void Fire(const Vector3& eye, const Vector3& look) {
    PhysicalComp* sphere = Body(PhySphere::kClassName);
    sphere->SetPosition(eye + look * 100.0f);
    sphere->CreateActor();
    sphere->SetVelocity(look * 500.0f);
  }

  Camera camera;
  Physics* physics = nullptr;
  BspMap lobby;
  MapCollision collision;
};

TEST_F(PhysicsDebugViewTest, PhysicsDrawsThroughTheFramesDebugShapesWhileGraphicsRuns) {
  Start();
  ASSERT_NE(physics->GetGraphics(), nullptr);
  PhysicsGraphics& view = *physics->GetGraphics();
  EXPECT_EQ(view.GetCameraReference(), nullptr);
  graphics->SetActiveCamera(&camera);
  EXPECT_EQ(view.GetCameraReference(), &camera.referencePosition);

  DebugDraw& debug = *graphics->GetDebugDraw();
  view.AddDebugSphere({0, 0, 0}, 8, 0xFFFFFF00);
  view.AddDebugLine({0, 0, 0}, {1, 1, 1}, 0xFFFFFFFF);
  EXPECT_EQ(debug.ShapeCount(), 1u);
  EXPECT_EQ(debug.LineVertexCount(), 2);
  // The world's own debug geometry arrives as lines.
  physics->DrawDebug();
  EXPECT_GT(debug.LineVertexCount(), 2);

  graphics->Shutdown();
  EXPECT_EQ(physics->GetGraphics(), nullptr);
  graphics = nullptr;
}

// Twenty cubes dropped in rows on the hall's floor, and spheres fired at its north wall, after
// they have come to rest.
TEST_F(PhysicsDebugViewTest, SettledCubesAndSpheresMatchTheirReferenceImage) {
  Start();
  for (int i = 0; i < 20; ++i) Body(PhyCube::kClassName)->SetPosition({200.0f + 40 * (i % 5), -300.0f + 40 * (i / 5), 9});
  for (float x : {220.0f, 300.0f, 380.0f}) Fire({x, -250, 40}, {0, 1, 0});
  // Settling draws nothing: no camera is active, and shapes would pile up undrawn.
  SetVariable("Draw Shapes", false);
  for (int i = 0; i < 240; ++i) Frame(1.0 / 30.0);
  SetVariable("Draw Shapes", true);
  graphics->SetActiveCamera(&camera);
  // The first frame places the view's frustum, which the second frame's boxes are tested against.
  Frame(1.0 / 30.0);
  Frame(1.0 / 30.0);
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "physics_debug_view", 8, 0.99, &message)) << message;
}

}  // namespace
