#include <cmath>

#include "graphics/Transition.h"
#include "tests/graphics/SceneFixture.h"

namespace {

TEST(TransitionTimeTest, RisesToAPlateauOverTheMiddleFifthAndFallsBack) {
  EXPECT_EQ(TransitionTime(0, 2), 0.0f);
  EXPECT_EQ(TransitionTime(2, 2), 0.0f);
  EXPECT_FLOAT_EQ(TransitionTime(0.5f, 2), 0.5f);
  EXPECT_FLOAT_EQ(TransitionTime(1.5f, 2), 0.5f);
  EXPECT_NEAR(TransitionTime(0.89f, 2), 0.89f, 1e-5f);
  for (float t : {0.91f, 1.0f, 1.09f}) EXPECT_EQ(TransitionTime(t, 2), 1.0f) << t;
  EXPECT_NEAR(TransitionTime(1.11f, 2), 0.89f, 1e-5f);
}

TEST(TransitionTimeTest, ATransitionWithoutLengthShowsNothingRatherThanNaN) {
  EXPECT_EQ(TransitionTime(0, 0), 0.0f);
  EXPECT_EQ(TransitionTime(0, -1), 0.0f);
}

class TransitionTest : public SceneFixture {
 protected:
  void StartWithTotal(float seconds) {
    TempDir::Write(DataFile("Transition.xml"),
                   "<?xml version=\"1.0\"?>\n<var><float>200</float><float>10</float><float>" +
                       std::to_string(seconds) + "</float><float>0.5</float><float>3</float></var>");
    StartScene();
    ASSERT_NE(graphics->GetEmblem(), nullptr);
    graphics->GetEmblem()->model.visible = 1;
    graphics->StartTransition();
  }

  void Step() {
    Advance(0.1);
    graphics->Update();
  }
};

TEST_F(TransitionTest, TheEmblemStartsHiddenOverEveryMap) {
  StartScene();
  ModelEnt* emblem = graphics->GetEmblem();
  ASSERT_NE(emblem, nullptr);
  ASSERT_NE(emblem->model.GetModel(), nullptr);
  EXPECT_EQ(emblem->model.GetEffect(), graphics->GetEffectManager()->Get("Emblem"));
  EXPECT_FALSE(emblem->model.visible);
  EXPECT_FALSE(emblem->model.mapCulled);
  EXPECT_TRUE(emblem->model.sorted);
  EXPECT_FALSE(graphics->IsTransitionRunning());
}

TEST_F(TransitionTest, RunsItsTotalTimeThenHidesTheEmblem) {
  StartWithTotal(0.5f);
  for (int i = 0; i < 4; ++i) Step();
  EXPECT_TRUE(graphics->IsTransitionRunning());
  EXPECT_TRUE(graphics->GetEmblem()->model.visible);
  Step();
  EXPECT_FALSE(graphics->IsTransitionRunning());
  EXPECT_FALSE(graphics->GetEmblem()->model.visible);
}

TEST_F(TransitionTest, StandsStillWithoutACamera) {
  StartWithTotal(0.5f);
  graphics->SetActiveCamera(nullptr);
  for (int i = 0; i < 10; ++i) Step();
  EXPECT_TRUE(graphics->IsTransitionRunning());
  graphics->SetActiveCamera(&camera);
  for (int i = 0; i < 5; ++i) Step();
  EXPECT_FALSE(graphics->IsTransitionRunning());
}

TEST_F(TransitionTest, ATransitionWithoutLengthEndsAtItsFirstUpdate) {
  StartWithTotal(0);
  graphics->Update();
  EXPECT_FALSE(graphics->IsTransitionRunning());
  EXPECT_FALSE(graphics->GetEmblem()->model.visible);
}

}  // namespace
