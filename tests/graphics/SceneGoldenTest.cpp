#include <cmath>

#include "engine/VariableTable.h"
#include "tests/graphics/SceneFixture.h"

namespace {

class SceneGoldenTest : public SceneFixture {
 protected:
  void SetUp() override {
    StartScene();
    thief = Show("thief", {0, 0, 0});
    ASSERT_NE(thief->model.GetModel(), nullptr);
  }

  void ExpectGolden(const std::string& name) {
    DrawRoom();
    std::string message;
    EXPECT_TRUE(Matches(name, &message)) << message;
  }

  ModelEnt* thief = nullptr;
};

// Close spot lights, so that each lights a patch: one from the upper left on the thief's chest,
// one from the right on its knees.
const SpotLightRecord kChestSpot{{25, 10, 20}, platform::Vec3Normalize({-20, -10, -5})};
const SpotLightRecord kLegSpot{{25, -10, -15}, platform::Vec3Normalize({-20, 10, -5})};

TEST_F(SceneGoldenTest, ACelShadedCharacterHasItsBlackOutlineAgainstTheWall) { ExpectGolden("cel_thief"); }

TEST_F(SceneGoldenTest, OneSpotLightBrightensWhereItShines) {
  world.spots = {kChestSpot};
  ExpectGolden("spot_one");
}

TEST_F(SceneGoldenTest, TwoSpotLightsBothShine) {
  world.spots = {kChestSpot, kLegSpot};
  ExpectGolden("spot_two");
}

TEST_F(SceneGoldenTest, BlobShadowsLieOnTheFloorShrinkingWithHeight) {
  // The thief stands on the floor; the vase floats 40 units above it.
  Show("vase", {0, 60, 0});
  camera.position = {200, 0, 120};
  camera.direction = platform::Vec3Normalize({-1, 0, -0.6f});
  ExpectGolden("shadow_floor");
}

TEST_F(SceneGoldenTest, ThePostChainBlursAndInksTheEdges) {
  ASSERT_TRUE(SetVariable("BlurOn", true));
  ASSERT_TRUE(SetVariable("EdgeOn", true));
  ExpectGolden("post_edge");
}

TEST_F(SceneGoldenTest, ThePostChainWithoutEdgesOnlyBlurs) {
  ASSERT_TRUE(SetVariable("BlurOn", true));
  ASSERT_TRUE(SetVariable("EdgeOn", false));
  ExpectGolden("post_blur");
}

TEST_F(SceneGoldenTest, TheTransitionShowsTheLoadingPictureAtItsPlateau) {
  ASSERT_TRUE(SetVariable("BlurOn", true));
  const float total = graphics->GetTransitionInfo().TotalTime;
  ASSERT_GT(total, 0.0f);
  graphics->StartTransition();
  // Half way through, a frame's step (at most 0.1 s) at a time.
  const int frames = static_cast<int>(std::lround(total / 2 / 0.1));
  for (int i = 0; i < frames; ++i) {
    Advance(0.1);
    graphics->Update();
  }
  ExpectGolden("transition_plateau");
  EXPECT_TRUE(graphics->IsTransitionRunning());
}

}  // namespace
