#include "tests/graphics/SceneFixture.h"

#include <filesystem>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "engine/Engine.h"
#include "entity/EntityManager.h"
#include "logic/Logic.h"
#include "platform/core/Random.h"
#include "tests/graphics/GoldenImage.h"

namespace fs = std::filesystem;

SceneFixture::SceneFixture() {
  fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", fs::copy_options::recursive);
  camera.position = {220, 0, 10};
  camera.direction = {-1, 0, -0.05f};
}

SceneFixture::~SceneFixture() {
  if (graphics) {
    graphics->SetActiveCamera(nullptr);
    graphics->GetModelScene().SetWorld(nullptr);
  }
}

void SceneFixture::StartScene(bool withLogic) {
  SystemFactories systems = RecordingSystems();
  systems.graphics = [] { return new Graphics(); };
  if (withLogic) systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
  Engine::Instance()->Init(systems);
  ConnectGameSystems(*Engine::Get());
  graphics = Engine::Get()->GetGraphics();
  graphics->GetModelScene().SetWorld(&world);
  graphics->SetActiveCamera(&camera);
  SetVariable("BlurOn", false);
  // Every run starts the animations at the same point.
  platform::SeedRandom(1);
}

ModelEnt* SceneFixture::Show(const std::string& file, const platform::Vector3& position) {
  auto* entity = static_cast<ModelEnt*>(Engine::Get()->GetEntityManager()->Create("ModelEnt"));
  entity->physical.SetPosition(position);
  // Facings are stored reversed: this one shows the model's face to the camera at +x.
  entity->physical.SetDirection({-1, 0, 0});
  entity->model.Load(file);
  entity->model.animationSpeed = 0;
  return entity;
}

void SceneFixture::DrawRoom() {
  // Boxes are kept or dropped by the frustum as it stands when they are added.
  platform::Matrix viewProjection =
      platform::MatrixLookAtLH(camera.position, camera.position + camera.direction, camera.up) *
      graphics->GetProjection();
  graphics->GetFrustum().Build(viewProjection);
  DebugDraw* debug = graphics->GetDebugDraw();
  debug->AddBox(0, 0, world.floorZ - 5, 400, 400, 10, 0, 0, 0, 1, 0xFFFFFFFF);
  debug->AddBox(-120, 0, 40, 10, 400, 200, 0, 0, 0, 1, 0xFFFFFFFF);
  graphics->Render();
}

void SceneFixture::Advance(double seconds) {
  clock.AdvanceSeconds(seconds);
  Engine::Get()->GetTimer()->Update();
}

std::vector<uint8_t> SceneFixture::Frame() {
  platform::RenderDevice& device = *graphics->GetDevice();
  device.SetRenderTarget(nullptr);
  return device.ReadPixels({0, 0, device.BackBufferWidth(), device.BackBufferHeight()});
}

bool SceneFixture::Matches(const std::string& golden, std::string* message) {
  return MatchesGolden(*graphics->GetDevice(), golden, 8, 0.99, message);
}
