#include "tests/graphics/SceneFixture.h"

namespace {

class ModelDrawTest : public SceneFixture {};

TEST_F(ModelDrawTest, TheSameFileUnderTwoNamesIsOneRecordLoggedOnce) {
  StartScene();
  ModelEnt* a = Show("Guard", {0, 0, 0});
  ModelEnt* b = Show("guard", {0, 0, 0});
  ASSERT_NE(a->model.GetModel(), nullptr);
  EXPECT_EQ(a->model.GetModel(), b->model.GetModel());
  EXPECT_EQ(CountLines(LogOf("AssetsLoaded"), "Loaded models/guard.x"), 1);
  // Each user animates on its own clone.
  EXPECT_NE(a->model.GetController(), b->model.GetController());
  EXPECT_NE(a->model.FindFrame("Bip01_R_Hand"), -1);
}

TEST_F(ModelDrawTest, AMissingModelIsLoggedOnceAndItsEntityDrawsWithoutIt) {
  StartScene();
  ModelEnt* a = Show("nothing", {0, 0, 0});
  ModelEnt* b = Show("nothing", {0, 0, 0});
  EXPECT_EQ(a->model.GetModel(), nullptr);
  EXPECT_EQ(b->model.GetModel(), nullptr);
  DrawRoom();
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Failed loading model models/nothing.x"), 1);
}

}  // namespace
