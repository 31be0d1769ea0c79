#include <gtest/gtest.h>

#include "platform/render/Font.h"
#include "platform/render/SpriteBatch.h"
#include "platform/render/Texture.h"
#include "tests/platform/render/DeviceFixture.h"

using namespace platform;

namespace {

std::unique_ptr<Texture> Plain(RenderDevice& device, uint8_t red) {
  const uint8_t pixels[4 * 4] = {red, 0, 0, 255, red, 0, 0, 255, red, 0, 0, 255, red, 0, 0, 255};
  return Texture::FromPixels(device, 2, 2, pixels);
}

using RenderStatsTest = DeviceTest;

TEST_F(RenderStatsTest, EachRunOfOneTextureInAFlushIsOneTextureChangeAndOneDraw) {
  auto a = Plain(device_, 255), b = Plain(device_, 128);
  SpriteBatch batch(device_);
  const RenderStats before = device_.Stats();
  batch.Begin(SpriteAlphaBlend);
  for (const Texture* t : {a.get(), a.get(), b.get(), a.get()}) batch.Draw(*t, nullptr, nullptr, nullptr, 0xFFFFFFFF);
  batch.End();
  RenderStats d = device_.Stats() - before;
  EXPECT_EQ(d.spritesDrawn, 4u);
  EXPECT_EQ(d.spriteTextureChanges, 3u);
  EXPECT_EQ(d.drawCalls, 3u);

  // Sorted by texture, the same sprites need one change per texture.
  const RenderStats sortedBefore = device_.Stats();
  batch.Begin(SpriteAlphaBlend | SpriteSortTexture);
  for (const Texture* t : {a.get(), b.get(), a.get(), b.get()}) batch.Draw(*t, nullptr, nullptr, nullptr, 0xFFFFFFFF);
  batch.End();
  d = device_.Stats() - sortedBefore;
  EXPECT_EQ(d.spritesDrawn, 4u);
  EXPECT_EQ(d.spriteTextureChanges, 2u);

  // An empty batch draws nothing.
  const RenderStats emptyBefore = device_.Stats();
  batch.Begin(SpriteAlphaBlend);
  batch.End();
  EXPECT_EQ((device_.Stats() - emptyBefore).drawCalls, 0u);
}

TEST_F(RenderStatsTest, DrawnCharactersAreGlyphHitsOrMissesAndMeasuringCountsNone) {
  std::string error;
  auto font = Font::Create(device_, "Default", 12, 0, &error);
  ASSERT_TRUE(font) << error;
  const RenderStats before = device_.Stats();
  IntRect r{0, 0, 0, 0};
  font->DrawText(nullptr, "Hi x\nyo", &r, TextCalcRect, 0xFFFFFFFF);
  EXPECT_EQ((device_.Stats() - before).glyphHits, 0u);

  // A space is a glyph without ink; a line break splits lines and is no character; a tab has
  // no glyph.
  font->DrawText(nullptr, "Hi x\nyo\t", &r, TextLeft, 0xFFFFFFFF);
  RenderStats d = device_.Stats() - before;
  EXPECT_EQ(d.glyphHits, 6u);
  EXPECT_EQ(d.glyphMisses, 1u);
  EXPECT_EQ(d.spritesDrawn, 5u) << "the space draws nothing";
  EXPECT_EQ(d.spriteTextureChanges, 1u) << "one atlas";

  // On a single line the line break is a character the font lacks.
  const RenderStats singleBefore = device_.Stats();
  font->DrawText(nullptr, "a\nb", &r, TextSingleLine, 0xFFFFFFFF);
  d = device_.Stats() - singleBefore;
  EXPECT_EQ(d.glyphHits, 2u);
  EXPECT_EQ(d.glyphMisses, 1u);
}

TEST_F(RenderStatsTest, ClearsAreCounted) {
  const RenderStats before = device_.Stats();
  device_.Clear(ClearTarget, 0xFF000000, 1.0f, 0);
  device_.Clear(ClearDepth, 0xFF000000, 1.0f, 0);
  const RenderStats d = device_.Stats() - before;
  EXPECT_EQ(d.clears, 2u);
  EXPECT_EQ(d.drawCalls, 0u);
}

}  // namespace
