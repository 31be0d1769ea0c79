#include <cmath>

#include "engine/VariableTable.h"
#include "graphics/ParticleConfig.h"
#include "graphics/ParticleManager.h"
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

// Particles are drawn over the post chain's picture, yet the scene before them hides them:
// one behind the wall leaves the frame as it was, one before it shows.
TEST_F(SceneGoldenTest, ThePostChainedSceneHidesTheParticlesBehindIt) {
  ASSERT_TRUE(SetVariable("BlurOn", true));
  DrawRoom();
  const std::vector<uint8_t> without = Frame();
  ParticleEmitterConfig glow;
  glow.textureName = "particles/spark.png";
  glow.maxCount = 20;
  glow.maxLife = 10.0f;
  // The emitter makes its first particle where it starts, at the thief's feet; the others come
  // where it is put.
  glow.maxSpawnDelay = 0.05f;
  glow.sizeKeys = {{0.0f, {40, 0}}, {1.0f, {40, 0}}};
  glow.colorKeys = {{0.0f, {1, 0.2f, 0.2f, 1}}, {1.0f, {1, 0.2f, 0.2f, 1}}};
  glow.speedKeys = {{0.0f, {0, 0}}, {1.0f, {0, 0}}};
  SaveParticleConfig("Data/glow.xml", glow);
  ParticleManager& particles = *graphics->GetParticleManager();
  auto spawn = [&](const platform::Vector3& at) {
    ParticleEmitter* emitter = particles.CreateEmitter("glow");
    emitter->origin = at;
    for (int i = 0; i < 3; ++i) {
      Advance(0.1);
      particles.Update();
    }
    ASSERT_GT(emitter->Count(), 1);
  };
  spawn({-200, 0, 40});
  DrawRoom();
  EXPECT_EQ(Frame(), without);
  spawn({100, 0, 20});
  DrawRoom();
  EXPECT_NE(Frame(), without);
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
