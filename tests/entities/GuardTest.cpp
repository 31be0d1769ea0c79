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
    RegisterEntityClass<Guard>("LogicLog", [] { return new Guard(GetLogic()->GetServices()); });
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

TEST_F(GuardTest, AGuardAndItsFlashlightLeaveWithTheirGameOnce) {
  const uint32_t lampId = lamp->GetId();
  GetLogic()->StartGame();
  EXPECT_EQ(EntityHandle(lampId).Get(), nullptr);
  EXPECT_EQ(LogOf("EngineLog").find("could not be deleted"), std::string::npos) << LogOf("EngineLog");
}

// Each action's look at 300 (walking) and just above (running, which takes over every action's
// look but chasing's, the same anyway); the lamp flag only ever adds the light.
TEST_F(GuardTest, EachActionHasItsLookAndRunningAbove300LightsTheFlashlight) {
  struct Row {
    const char* action;
    GuardLook walking;
  };
  const Row rows[] = {{"chase", {2, true}},  {"confuse", {3, false}},       {"idle", {0, false}},
                      {"sleep", {4, false}}, {"look", {0, true}},           {"look no light", {0, false}},
                      {"patrol", {1, false}}, {"", {1, false}} /* nothing queued */};
  for (const Row& row : rows) {
    AIComponent ai;
    AIAction doing;
    doing.Name = row.action;
    if (*row.action) ai.current.actions.push_back(doing);
    EXPECT_EQ(ChooseGuardLook(ai, 300.0f), row.walking) << row.action;
    EXPECT_EQ(ChooseGuardLook(ai, 300.1f), (GuardLook{2, true})) << row.action;
    ai.lamp = 1;
    EXPECT_EQ(ChooseGuardLook(ai, 300.0f), (GuardLook{row.walking.animation, true})) << row.action;
  }
}

TEST_F(GuardTest, TheFlashlightShinesInTheGuardsMapWhileItRuns) {
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

// The map's faces test the first two flashlights that shine in the current map, wherever they
// point and however far they are.
TEST_F(GuardTest, TheMapTakesTheFirstTwoFlashlightsShiningInIt) {
  SpotLightList lights;
  std::vector<Flashlight*> lamps{lamp};
  for (int i = 0; i < 3; ++i) {
    lamps.push_back(static_cast<Guard*>(Engine::Get()->GetEntityManager()->Create("Guard"))->GetFlashlight());
  }
  for (size_t i = 0; i < lamps.size(); ++i) {
    lights.Add(&lamps[i]->light);
    lamps[i]->physical.SetPosition({float(i) * 5000, 0, 0});
    lamps[i]->SetDirection(1, 0, 0);
  }
  lamps[0]->Switch(false, 1);
  lamps[1]->Switch(true, 0);
  lamps[2]->Switch(true, 1);
  lamps[3]->Switch(true, 1);
  MapLight chosen[2];
  ASSERT_EQ(lights.ChooseMapLights(chosen, 1), 2);
  EXPECT_EQ(chosen[0].position, (platform::Vector3{10000, 0, 0}));
  EXPECT_EQ(chosen[1].position, (platform::Vector3{15000, 0, 0}));
  EXPECT_EQ(chosen[1].direction, (platform::Vector3{1, 0, 0}));
  EXPECT_EQ(lights.ChooseMapLights(chosen, 0), 1);
  EXPECT_EQ(lights.ChooseMapLights(chosen, -1), 0) << "no current map";
}

}  // namespace
