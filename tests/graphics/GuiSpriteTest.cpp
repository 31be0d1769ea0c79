#include "graphics/gui/GUISpriteElement.h"

#include <gtest/gtest.h>

namespace {

TEST(GuiSpriteTest, AnAnimatedSheetIsReadRowByRow) {
  GUISpriteElement sprite;
  sprite.Animated = true;
  sprite.Rect.width = 256;
  sprite.Rect.height = 64;
  sprite.FrameWidth = 64;
  sprite.FrameHeight = 32;
  sprite.NumFrames = 6;
  sprite.BuildFrames();
  const std::vector<platform::IntRect> expected = {{0, 0, 64, 32},   {64, 0, 128, 32}, {128, 0, 192, 32},
                                                   {192, 0, 256, 32}, {0, 32, 64, 64}, {64, 32, 128, 64}};
  EXPECT_EQ(sprite.frames, expected);
  EXPECT_EQ(sprite.Rect.width, 64);
  EXPECT_EQ(sprite.Rect.height, 32);
}

TEST(GuiSpriteTest, AStillSpriteIsOneFrameOfItsSize) {
  GUISpriteElement sprite;
  sprite.Rect.width = 30;
  sprite.Rect.height = 20;
  sprite.BuildFrames();
  EXPECT_EQ(sprite.frames, (std::vector<platform::IntRect>{{0, 0, 30, 20}}));
  sprite.SetFrame(1);
  sprite.SetFrame(-1);
  EXPECT_EQ(sprite.currentFrame, 0);
}

TEST(GuiSpriteTest, ARunOnceSpritePlaysItsFramesThenHoldsFrameZero) {
  GUISpriteElement sprite;
  sprite.Animated = true;
  sprite.RunOnce = true;
  sprite.FPS = 10;
  sprite.NumFrames = 3;
  std::vector<int> shown;
  for (int i = 0; i < 40; ++i) {
    sprite.Update(0.06f);
    shown.push_back(sprite.currentFrame);
  }
  // A step needs more than 0.1 s: every second update. After the wrap the hold lasts while
  // frameTime <= 1 s (integer 12 / 10), so frame 1 comes back on the 17th update after the wrap.
  const std::vector<int> expected = {0, 1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(shown, expected);
}

// A button sheet lights while hovered; a still picture declaring two frames builds only one
// and keeps showing it, under the cursor too.
TEST(GuiSpriteTest, ATwoFrameButtonLightsOnlyWithAFrameToLight) {
  auto hoverFrames = [](bool animated) {
    GUISpriteElement sprite;
    sprite.Animated = animated;
    sprite.NumFrames = 2;
    sprite.Rect.width = 64;
    sprite.Rect.height = 64;
    sprite.FrameWidth = 64;
    sprite.FrameHeight = 32;
    sprite.BuildFrames();
    std::vector<int> shown;
    for (uint8_t hovered : {1, 0}) {
      sprite.hovered = hovered;
      sprite.Update(0.01f);
      shown.push_back(sprite.currentFrame);
    }
    return shown;
  };
  EXPECT_EQ(hoverFrames(true), (std::vector<int>{1, 0}));
  EXPECT_EQ(hoverFrames(false), (std::vector<int>{0, 0}));
}

TEST(GuiSpriteTest, TheTransformScalesAboutTheMiddleAndMovesToThePlace) {
  GUISpriteElement sprite;
  sprite.Rect.width = 100;
  sprite.Rect.height = 50;
  sprite.Rect.topLeft = {10, 20};
  sprite.SetScale(2.0f);
  EXPECT_EQ(sprite.transform(0, 0), 2.0f);
  EXPECT_EQ(sprite.transform(3, 0), 50.0f * (1 - 2) + 10);
  EXPECT_EQ(sprite.transform(3, 1), 25.0f * (1 - 2) + 20);
  sprite.SetWorldPosition(1, 2, 3);
  sprite.worldPositioned = true;
  sprite.RebuildTransform();
  EXPECT_EQ(sprite.transform(2, 2), -1.0f);
  EXPECT_EQ(sprite.transform(3, 2), 3.0f);
}

}  // namespace
