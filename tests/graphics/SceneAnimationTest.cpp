#include "logic/Logic.h"
#include "map/BspMap.h"
#include "tests/graphics/SceneFixture.h"

namespace {

// Animated models move on the engine timer's frame step; a frozen owner, a running fly-through
// and a paused timer hold them still.
class SceneAnimationTest : public SceneFixture {
 protected:
  void StartWalking(bool withLogic = false) {
    StartScene(withLogic);
    thief = Show("thief", {0, 0, 0});
    ASSERT_NE(thief->model.GetModel(), nullptr);
    thief->model.SetAnimation(2);
    thief->model.animationSpeed = 1;
  }

  // Two frames a tenth of a second apart.
  std::pair<std::vector<uint8_t>, std::vector<uint8_t>> TwoFrames() {
    DrawRoom();
    std::vector<uint8_t> first = Frame();
    Advance(0.1);
    DrawRoom();
    return {first, Frame()};
  }

  ModelEnt* thief = nullptr;
};

TEST_F(SceneAnimationTest, AWalkingThiefMovesBetweenFrames) {
  StartWalking();
  const auto [first, second] = TwoFrames();
  EXPECT_NE(first, second);
}

TEST_F(SceneAnimationTest, AFrozenOwnerHoldsItsPose) {
  StartWalking();
  thief->physical.frozen = 1;
  const auto [first, second] = TwoFrames();
  EXPECT_EQ(first, second);
}

TEST_F(SceneAnimationTest, APausedTimerHoldsEveryPose) {
  StartWalking();
  Engine::Get()->GetTimer()->SetPaused(true);
  const auto [first, second] = TwoFrames();
  EXPECT_EQ(first, second);
}

TEST_F(SceneAnimationTest, TheFlyThroughHoldsEveryPoseAndItsEndReleasesThem) {
  StartWalking(true);
  Logic* logic = Engine::Get()->GetLogic();
  ASSERT_NE(logic, nullptr);
  BspMap map;
  logic->GetFlyThrough().Start(map, "", nullptr);
  const auto [first, second] = TwoFrames();
  EXPECT_EQ(first, second);
  logic->EndMapFlyThrough();
  Advance(0.1);
  DrawRoom();
  EXPECT_NE(Frame(), second);
}

}  // namespace
