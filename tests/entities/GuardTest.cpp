#include <gtest/gtest.h>

#include "entities/Flashlight.h"
#include "entities/Guard.h"
#include "graphics/SpotLightList.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

class GuardTest : public LevelTest {
 protected:
  void SetUp() override {
    StartGame();
    // The game logic's tests stand a plain body in for the guard; these use the real one.
    RegisterEntityClass<Guard>("LogicLog");
    guard = static_cast<Guard*>(Engine::Get()->GetEntityManager()->Create("Guard"));
    lamp = guard->GetFlashlight();
    ASSERT_NE(lamp, nullptr);
  }

  Guard* guard = nullptr;
  Flashlight* lamp = nullptr;
};

TEST_F(GuardTest, AGuardCarriesItsOwnFlashlightAndTakesItAlongWhenItGoes) {
  EXPECT_EQ(lamp->ownerGuard.Get(), guard);
  EXPECT_EQ(guard->info.kind, "guard");
  EXPECT_EQ(All<Guard>(), std::vector<Guard*>{guard});
  const uint32_t lampId = lamp->GetId();
  EntityManager* entities = Engine::Get()->GetEntityManager();
  entities->QueueDelete(guard);
  entities->ProcessDeletions();
  EXPECT_TRUE(All<Guard>().empty());
  entities->ProcessDeletions();
  EXPECT_EQ(EntityHandle(lampId).Get(), nullptr);
}

// Above 300 a guard runs, and runs with its light on; at 300 it keeps its action's look.
TEST_F(GuardTest, RunningLightsTheFlashlightAndTheLampFlagKeepsItOn) {
  AIComponent ai;
  EXPECT_EQ(ChooseGuardLook(ai, 300.0f), (GuardLook{1, false}));
  EXPECT_EQ(ChooseGuardLook(ai, 300.1f), (GuardLook{2, true}));
  ai.lamp = 1;
  EXPECT_EQ(ChooseGuardLook(ai, 0.0f), (GuardLook{1, true}));

  guard->playerPhysics.speed = 300.1f;
  guard->mapIndex.mapIndex = 2;
  Frame();
  EXPECT_TRUE(lamp->light.enabled);
  EXPECT_EQ(lamp->light.mapIndex, 2);
  EXPECT_EQ(lamp->model.visible, 1) << "the beam shows exactly when the light shines";
  guard->playerPhysics.speed = 300.0f;
  Frame();
  EXPECT_FALSE(lamp->light.enabled);
  EXPECT_EQ(lamp->model.visible, 0);
}

TEST_F(GuardTest, AGuardOutOfSightShinesNoLightAndStandsStillOnceTheRoundIsOver) {
  guard->ai.lamp = 1;
  guard->model.notDrawnThisFrame = 1;
  Frame();
  EXPECT_FALSE(lamp->light.enabled);
  guard->model.notDrawnThisFrame = 0;
  guard->playerPhysics.move = {5, 0, 0};
  GetLogic()->SetRoundOver(true);
  guard->UpdateLight();
  EXPECT_EQ(guard->playerPhysics.move, (platform::Vector3{0, 0, 0}));
  EXPECT_TRUE(lamp->light.enabled) << "its look still follows what it does";
}

TEST_F(GuardTest, TheFlashlightPointsAlongItsTurnedXAxis) {
  lamp->SetOrientation(platform::QuaternionRotationAxis({0, 0, 1}, 1.5707963f));
  EXPECT_NEAR(lamp->light.direction.x, 0.0f, 1e-5f);
  EXPECT_NEAR(std::fabs(lamp->light.direction.y), 1.0f, 1e-5f);
  lamp->Send(kSetDirection, 0.0f, 0.0f, -1.0f);
  EXPECT_EQ(lamp->light.direction, (platform::Vector3{0, 0, -1}));
}

// A light counts up to 800 units away, the radius counted in, and while it points no more than
// 0.05 (in units of its distance) away from the point.
TEST_F(GuardTest, ASpotLightReachesModelsWithinItsRangeThatItPointsAt) {
  SpotLightList lights;
  lights.Add(&lamp->light);
  lamp->Switch(true, 1);
  lamp->physical.SetPosition({800, 0, 0});
  lamp->SetDirection(-1, 0, 0);
  std::vector<SpotLightRecord> near;
  lights.FindLightsNear(near, {0, 0, 0}, 0.0f, 1);
  ASSERT_EQ(near.size(), 1u);
  EXPECT_EQ(near[0].position, (platform::Vector3{800, 0, 0}));
  EXPECT_EQ(near[0].direction, (platform::Vector3{-1, 0, 0}));
  lights.FindLightsNear(near, {0, 0, 0}, 1.0f, 1);
  EXPECT_TRUE(near.empty()) << "a radius of 1 puts it out of reach";
  lights.FindLightsNear(near, {-1, 0, 0}, 0.0f, 1);
  EXPECT_TRUE(near.empty());

  lamp->physical.SetPosition({1, 0, 0});
  lamp->SetDirection(0.05f, 1, 0);
  lights.FindLightsNear(near, {0, 0, 0}, 0.0f, 1);
  EXPECT_EQ(near.size(), 1u);
  lamp->SetDirection(0.06f, 1, 0);
  lights.FindLightsNear(near, {0, 0, 0}, 0.0f, 1);
  EXPECT_TRUE(near.empty());

  lamp->SetDirection(0, 1, 0);
  lights.FindLightsNear(near, {0, 0, 0}, 0.0f, 0);
  EXPECT_TRUE(near.empty()) << "its guard stands in another map";
  lamp->Switch(false, 1);
  lights.FindLightsNear(near, {0, 0, 0}, 0.0f, 1);
  EXPECT_TRUE(near.empty());
}

}  // namespace
