#include <gtest/gtest.h>

#include "entities/Flashlight.h"
#include "entities/Guard.h"
#include "graphics/ModelRecord.h"
#include "graphics/SpotLightList.h"
#include "tests/graphics/SceneFixture.h"

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
    RegisterEntityClass<Guard>("LogicLog");
    RegisterEntityClass<Flashlight>("LogicLog");
    guard = static_cast<Guard*>(Engine::Get()->GetEntityManager()->Create("Guard"));
    guard->model.animationSpeed = 0;
    lamp = guard->GetFlashlight();
    ASSERT_NE(lamp, nullptr);
    ASSERT_NE(guard->model.GetModel(), nullptr);
  }
  void TearDown() override { graphics->GetModelScene().SetWorld(nullptr); }

  // Switches the light on (a running guard's) and draws: the model pass puts the flashlight
  // in the hand; the next draw lights with it.
  void LightUpAndDraw() {
    guard->playerPhysics.speed = 300.1f;
    guard->UpdateLight();
    DrawRoom();
    DrawRoom();
  }

  FlashlitWorld flashlit;
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

}  // namespace
