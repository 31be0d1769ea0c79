#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "entities/Flashlight.h"
#include "entities/Guard.h"
#include "graphics/ModelRecord.h"
#include "graphics/SpotLightList.h"
#include "map/BspMap.h"
#include "player/GameServices.h"
#include "tests/graphics/SceneFixture.h"
#include "tests/support/IdleLogic.h"

namespace {

// The scene's spot lights are the flashlights' own, as the running game's are.
class FlashlitWorld : public SceneWorld {
 public:
  void GetSpotLights(const platform::Vector3& centre, float radius, std::vector<SpotLightRecord>& out) override {
    Engine::Get()->GetGraphics()->GetModelScene().GetSpotLights().FindLightsNear(out, centre, radius, 0);
  }
};

class GuardSceneTest : public SceneFixture {
 protected:
  void SetUp() override {
    StartScene();
    graphics->GetModelScene().SetWorld(&flashlit);
    services.emplace(*Engine::Get(), logic);
    RegisterEntityClass<Guard>("LogicLog", [this] { return new Guard(*services); });
    RegisterEntityClass<Flashlight>("LogicLog");
    guard = static_cast<Guard*>(Engine::Get()->GetEntityManager()->Create("Guard"));
    guard->model.animationSpeed = 0;
    lamp = guard->GetFlashlight();
    ASSERT_NE(lamp, nullptr);
    ASSERT_NE(guard->model.GetModel(), nullptr);
  }
  // The engine stops here, while the game logic its guards were handed is still there.
  void TearDown() override {
    graphics->GetModelScene().SetWorld(nullptr);
    Stop();
  }

  // Switches the light on (a running guard's) and draws: the model pass puts the flashlight
  // in the hand; the next draw lights with it.
  void LightUpAndDraw() {
    guard->playerPhysics.speed = 300.1f;
    guard->UpdateLight();
    DrawRoom();
    DrawRoom();
  }

  FlashlitWorld flashlit;
  IdleLogic logic;
  std::optional<GameServices> services;
  Guard* guard = nullptr;
  Flashlight* lamp = nullptr;
};

TEST_F(GuardSceneTest, TheFlashlightSitsInTheGuardsRightHandAsDrawn) {
  guard->physical.SetPosition({20, -30, 0});
  guard->physical.SetDirection({0.3f, 1, 0});
  LightUpAndDraw();
  const int32_t hand = guard->model.FindFrame(Guard::kHandBone);
  ASSERT_GE(hand, 0);
  const auto& bone = guard->model.GetModel()->GetCombinedMatrix(hand);
  const platform::Vector3 drawn =
      platform::Vec3TransformCoord({bone[12], bone[13], bone[14]}, guard->model.worldMatrix);
  EXPECT_LT(platform::Vec3Length(lamp->physical.GetPosition() - drawn), 1.0f);
  EXPECT_NEAR(platform::Vec3Length(lamp->light.direction), 1.0f, 1e-4f);
}

// The guard model's sets are idle, walk, run, confused and asleep, in that order.
TEST_F(GuardSceneTest, TheGuardsModelPlaysTheAnimationOfWhatItDoes) {
  const std::pair<const char*, uint32_t> rows[] = {{"sleep", 4}, {"confuse", 3}, {"idle", 0}, {"patrol", 1}, {"chase", 2}};
  for (const auto& [action, animation] : rows) {
    AIAction doing;
    doing.Name = action;
    guard->ai.current.actions.assign(1, doing);
    guard->UpdateLight();
    EXPECT_EQ(guard->model.GetCurrentAnimation(), animation) << action;
  }
}

TEST_F(GuardSceneTest, AGuardModelWithoutAHandLeavesTheFlashlightWhereItWas) {
  guard->model.Load("vase");
  lamp->physical.SetPosition({5, 6, 7});
  LightUpAndDraw();
  EXPECT_EQ(lamp->physical.GetPosition(), (platform::Vector3{5, 6, 7}));
  EXPECT_TRUE(lamp->light.enabled);
}

TEST_F(GuardSceneTest, AGuardsFlashlightLightsTheThiefBesideIt) {
  Show("thief", {0, 0, 0});
  // Beside the thief, turned to it (facings are stored reversed).
  guard->physical.SetPosition({30, -90, 0});
  guard->physical.SetDirection({0.2f, -1, 0});
  LightUpAndDraw();
  std::string message;
  EXPECT_TRUE(Matches("guard_flashlight", &message)) << message;
}

// The frame's map step lights the current map's faces with the flashlights that shine in it,
// wherever they point; each face then takes those that reach it.
TEST_F(GuardSceneTest, TheFlashlightLightsTheFacesOfItsGuardsMap) {
  std::filesystem::create_directory("Maps");
  std::filesystem::copy_file(std::filesystem::path(VR_GENERATED_DIR) / "Maps" / "lobby.bsp", "Maps/lobby.bsp");
  BspMap lobby;
  lobby.Load("Maps/lobby.bsp");
  ASSERT_TRUE(lobby.IsLoaded());
  graphics->SetCurrentMap(&lobby);
  // The lobby's Entrance hall from its south-west corner, a flashlight ahead on the floor.
  const platform::Vector3 eye{96, -64, 72}, look{0.8f, -0.55f, -0.12f};
  lobby.UpdateCameraCluster(&eye);
  auto facesLit = [&] {
    graphics->DrawMap(platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1}), eye, look);
    int32_t one = 0, two = 0;
    EXPECT_TRUE(ConsoleBinding::Get("1 light", one));
    EXPECT_TRUE(ConsoleBinding::Get("2 lights", two));
    return one + two;
  };
  lamp->physical.SetPosition({400, -200, 120});
  lamp->SetDirection(0.5f, -0.3f, -0.8f);
  lamp->Switch(true, 0);
  EXPECT_GT(facesLit(), 0);
  lamp->Switch(true, 1);
  EXPECT_EQ(facesLit(), 0) << "its guard stands in another map";
  lamp->Switch(false, 0);
  EXPECT_EQ(facesLit(), 0) << "switched off";
  graphics->SetCurrentMap(nullptr);
}

}  // namespace
