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

TEST(GuiSpriteTest, ATwoFrameButtonLightsWhileHovered) {
  GUISpriteElement sprite;
  sprite.NumFrames = 2;
  sprite.hovered = 1;
  sprite.Update(0.01f);
  EXPECT_EQ(sprite.currentFrame, 1);
  sprite.hovered = 0;
  sprite.Update(0.01f);
  EXPECT_EQ(sprite.currentFrame, 0);
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
