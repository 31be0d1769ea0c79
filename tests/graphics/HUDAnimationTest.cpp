// HUD animations on the engine timer: straight-line parameters, the end reached exactly, and
// the list dropping what has finished or never started.
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "graphics/gui/HUDAnimation.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

class Probe : public TimedHUDAnimation {
 public:
  int applied = 0;
  int finished = 0;

 protected:
  void OnStart() override {
    duration = 1.0f;
    SetParameter("x", 500.0f, 145.0f);
  }
  void Apply() override { ++applied; }
  void OnFinish() override { ++finished; }
};

class HUDAnimationTest : public GraphicsFixture {
 protected:
  void SetUp() override { StartGraphics(); }
  void Tick(double seconds) {
    clock.AdvanceSeconds(seconds);
    Engine::Get()->GetTimer()->Update();
  }
};

TEST_F(HUDAnimationTest, ParametersRunStraightAndStopExactlyAtTheEnd) {
  Probe probe;
  probe.Start();
  Tick(0.05);
  probe.Update();
  EXPECT_NEAR(probe.Value("x"), 500.0f - 355.0f * 0.05f, 1e-3f);
  for (int i = 0; i < 9; ++i) {
    Tick(0.1);
    probe.Update();
  }
  EXPECT_TRUE(probe.IsActive());
  EXPECT_EQ(probe.finished, 0);
  Tick(0.1);
  probe.Update();
  EXPECT_FALSE(probe.IsActive());
  EXPECT_FLOAT_EQ(probe.GetElapsed(), 1.0f);
  EXPECT_FLOAT_EQ(probe.Value("x"), 145.0f);
  EXPECT_EQ(probe.finished, 1);
  Tick(0.1);
  probe.Update();
  EXPECT_EQ(probe.applied, 11);
}

TEST_F(HUDAnimationTest, AFrameCountsForAtMostATenthOfASecond) {
  Probe probe;
  probe.Start();
  Tick(5.0);
  probe.Update();
  EXPECT_NEAR(probe.GetElapsed(), 0.1f, 1e-4f);
}

TEST_F(HUDAnimationTest, WhiteFadeRunsOneSecondThenLeavesTheList) {
  // The engine reaches the graphics' own list and particle manager.
  ASSERT_EQ(Engine::Get()->GetAnimationList(), graphics->GetAnimationList());
  EXPECT_EQ(Engine::Get()->GetParticleManager(), graphics->GetParticleManager());
  HUDAnimationList& list = *Engine::Get()->GetAnimationList();
  list.AddFadeWhite();
  EXPECT_TRUE(graphics->IsWhiteFading());
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(list.Size(), 1u);
    Tick(0.1);
    list.Update();
  }
  EXPECT_EQ(list.Size(), 0u);
  list.AddBusted();
  list.AddFadeWhite();
  list.DeleteAll();
  EXPECT_EQ(list.Size(), 0u);
}

}  // namespace
