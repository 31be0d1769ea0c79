#include <gtest/gtest.h>

#include "platform/render/Font.h"
#include "platform/render/SpriteBatch.h"
#include "platform/render/Texture.h"
#include "tests/platform/render/DeviceFixture.h"
#include "tests/support/TempDir.h"

using namespace platform;

namespace {

// A 4 x 4 texture: top half red, bottom half blue, fully opaque.
std::unique_ptr<Texture> TwoTone(RenderDevice& device) {
  std::vector<uint8_t> p(4 * 4 * 4, 0);
  for (int i = 0; i < 16; ++i) {
    p[i * 4 + (i < 8 ? 0 : 2)] = 255;
    p[i * 4 + 3] = 255;
  }
  return Texture::FromPixels(device, 4, 4, p.data());
}

class SpriteTest : public DeviceTest {
 protected:
  // Counts pixels of the back buffer that are not the clear colour, and their bounds.
  int Lit(IntRect* bounds = nullptr) const {
    int n = 0;
    IntRect b{kWidth, kHeight, -1, -1};
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (PixelAt(x, y) != Rgba(0, 0, 0)) {
          ++n;
          b = IntRect{std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1),
                      std::max(b.bottom, y + 1)};
        }
    if (bounds) *bounds = b;
    return n;
  }
};

}  // namespace

TEST_F(SpriteTest, ScreenSpritesLandWherePlacedAndTransformed) {
  auto texture = TwoTone(device_);
  SpriteBatch batch(device_);
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  ASSERT_TRUE(batch.Begin(SpriteAlphaBlend));
  EXPECT_FALSE(batch.Begin(SpriteAlphaBlend));
  // Scale 2 about the origin, then moved to (10, 6): the 4 x 4 texture covers (10..18, 6..14).
  TestMatrix m = TestMatrix::Identity();
  m.m[0] = m.m[5] = 2;
  m.m[12] = 10;
  m.m[13] = 6;
  batch.SetTransform(m.m);
  batch.Draw(*texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
  texture.reset();  // still drawn: the batch holds it until the flush
  batch.End();
  IntRect bounds;
  EXPECT_EQ(Lit(&bounds), 64);
  EXPECT_EQ(bounds, (IntRect{10, 6, 18, 14}));
  EXPECT_EQ(PixelAt(12, 7), Rgba(255, 0, 0));   // top of the texture on top
  EXPECT_EQ(PixelAt(12, 13), Rgba(0, 0, 255));
  // States the batch changed are the device's own again.
  EXPECT_TRUE(device_.GetState().zEnable);
  EXPECT_FALSE(device_.GetState().alphaBlend);
}

TEST_F(SpriteTest, SourceRectCentreAndTintApply) {
  auto texture = TwoTone(device_);
  SpriteBatch batch(device_);
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  batch.Begin(SpriteAlphaBlend | SpriteSortTexture);
  const IntRect bottom{0, 2, 4, 4};
  const Float3 centre{2, 1, 0}, position{30, 20, 0};
  batch.Draw(*texture, &bottom, &centre, &position, 0xFFFFFFFF);
  batch.End();
  IntRect bounds;
  EXPECT_EQ(Lit(&bounds), 8);
  EXPECT_EQ(bounds, (IntRect{28, 19, 32, 21}));
  EXPECT_EQ(PixelAt(29, 19), Rgba(0, 0, 255));
  // Half-transparent red tint on the red half: blended half over black.
  device_.Clear(ClearTarget, 0xFF000000, 1.0f, 0);
  batch.Begin(SpriteAlphaBlend);
  const IntRect top{0, 0, 4, 2};
  batch.Draw(*texture, &top, &centre, &position, 0x80FF0000);
  batch.End();
  EXPECT_NEAR(int(PixelAt(29, 19) >> 24), 128, 1);
}

// Opaque sprites laid texel for pixel skip blending; whatever is see-through, tinted
// see-through, scaled or off the pixel grid still blends over what lies beneath.
TEST_F(SpriteTest, OnlyOpaqueSpritesLaidTexelForPixelCoverWhatLiesBeneath) {
  auto opaque = TwoTone(device_);
  std::vector<uint8_t> p(4 * 4 * 4, 255);
  p[3] = 0;  // one clear texel in the top-left corner; the rest opaque white
  auto holed = Texture::FromPixels(device_, 4, 4, p.data());
  device_.Clear(ClearTarget | ClearDepth, 0xFF00FF00, 1.0f, 0);
  SpriteBatch batch(device_);
  batch.Begin(SpriteAlphaBlend);
  const Float3 a{0, 0, 0}, b{10, 0, 0}, c{20, 0, 0}, d{30, 0.5f, 0}, e{40, 0, 0};
  batch.Draw(*opaque, nullptr, nullptr, &a, 0xFFFFFFFF);
  batch.Draw(*holed, nullptr, nullptr, &b, 0xFFFFFFFF);
  batch.Draw(*opaque, nullptr, nullptr, &c, 0x80FFFFFF);
  batch.Draw(*opaque, nullptr, nullptr, &d, 0xFFFFFFFF);
  batch.Draw(*holed, nullptr, nullptr, &e, 0xFFFF0000);
  batch.End();
  EXPECT_EQ(PixelAt(1, 1), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(1, 3), Rgba(0, 0, 255));
  EXPECT_EQ(PixelAt(10, 0), Rgba(0, 255, 0)) << "the clear texel shows the green beneath";
  EXPECT_EQ(PixelAt(11, 1), Rgba(255, 255, 255));
  const uint32_t half = PixelAt(21, 1);
  EXPECT_NEAR(int(half >> 24), 128, 1) << std::hex << half << ": half the red over the green";
  EXPECT_NEAR(int(half >> 16 & 0xFF), 127, 1) << std::hex << half;
  // Half a pixel off the grid the texels are filtered: red and blue meet in purple.
  const uint32_t between = PixelAt(30, 2);
  EXPECT_NEAR(int(between >> 24), 128, 1) << std::hex << between;
  EXPECT_NEAR(int(between >> 8 & 0xFF), 128, 1) << std::hex << between;
  EXPECT_EQ(PixelAt(40, 0), Rgba(0, 255, 0));
  EXPECT_EQ(PixelAt(41, 1), Rgba(255, 0, 0));
  EXPECT_FALSE(device_.GetState().alphaBlend);
}

TEST_F(SpriteTest, BillboardsFaceTheCameraAtTheirWorldPosition) {
  auto texture = TwoTone(device_);
  SpriteBatch batch(device_);
  const float eye[3] = {0, -10, 0}, at[3] = {0, 0, 0}, up[3] = {0, 0, 1};  // z up, as the game
  TestMatrix view = TestMatrix::LookAtLH(eye, at, up);
  TestMatrix proj = TestMatrix::PerspectiveFovLH(3.14159265f / 4, float(kWidth) / kHeight, 1, 100);
  device_.SetTransform(TransformKind::Projection, proj.m);
  device_.SetTransform(TransformKind::View, view.m);
  batch.SetWorldView(TestMatrix::Identity().m, view.m);
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  batch.Begin(SpriteAlphaBlend | SpriteBillboard);
  TestMatrix place = TestMatrix::Identity();
  // A 4 x 4 unit sprite whose top-left corner is at (1, 0, 1): with z up and the camera looking
  // along +y, world -x is screen right, so the corner is left of the centre.
  place.m[12] = 1;
  place.m[14] = 1;
  batch.SetTransform(place.m);
  batch.Draw(*texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
  batch.End();
  IntRect bounds;
  ASSERT_GT(Lit(&bounds), 20);
  // Its top-left corner is up and left of the screen centre, and red (texture top) is on top.
  EXPECT_LT(bounds.left, kWidth / 2);
  EXPECT_LT(bounds.top, kHeight / 2);
  EXPECT_GT(bounds.right, kWidth / 2);
  EXPECT_EQ(PixelAt(bounds.left + 1, bounds.top + 1), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(bounds.left + 1, bounds.bottom - 2), Rgba(0, 0, 255));
  // The device's view is back after the flush.
  EXPECT_EQ(device_.GetTransform(TransformKind::View)[12], view.m[12]);
}

TEST_F(SpriteTest, TextIsMeasuredAndDrawnWhereAligned) {
  std::string error;
  auto font = Font::Create(device_, "Comix", 16, 0, &error);
  ASSERT_TRUE(font) << error;
  EXPECT_NE(font->FilePath().find("DejaVuSans.ttf"), std::string::npos);
  IntRect r{5, 4, 5, 4};
  EXPECT_EQ(font->DrawText(nullptr, "Hello", &r, TextCalcRect, 0xFFFFFFFF), 16);
  EXPECT_EQ(r.top, 4);
  EXPECT_EQ(r.bottom, 20);
  EXPECT_GT(r.Width(), 25);
  EXPECT_LT(r.Width(), 60);
  IntRect two{0, 0, 0, 0};
  EXPECT_EQ(font->DrawText(nullptr, "a\nbb", &two, TextCalcRect, 0xFFFFFFFF), 32);
  IntRect none{3, 3, 9, 9};
  EXPECT_EQ(font->DrawText(nullptr, "", &none, TextCalcRect, 0xFFFFFFFF), 0);
  EXPECT_EQ(none, (IntRect{3, 3, 3, 3}));

  // Drawn: the ink stays inside the measured box.
  SpriteBatch batch(device_);
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  batch.Begin(SpriteAlphaBlend);
  font->DrawText(&batch, "Hello", &r, TextLeft, 0xFFFFFFFF);
  batch.End();
  IntRect ink;
  ASSERT_GT(Lit(&ink), 20);
  EXPECT_GE(ink.left, r.left);
  EXPECT_LE(ink.right, r.right + 1);
  EXPECT_GE(ink.top, r.top);
  EXPECT_LE(ink.bottom, r.bottom);

  // Centred in the whole screen: the ink's middle is near the screen's middle.
  device_.Clear(ClearTarget, 0xFF000000, 1.0f, 0);
  IntRect screen{0, 0, kWidth, kHeight};
  font->DrawText(nullptr, "Hi", &screen, TextCenter | TextVCenter, 0xFFFF0000);
  ASSERT_GT(Lit(&ink), 10);
  EXPECT_NEAR((ink.left + ink.right) / 2, kWidth / 2, 3);
  EXPECT_NEAR((ink.top + ink.bottom) / 2, kHeight / 2, 4);
  EXPECT_EQ(PixelAt((ink.left + ink.right) / 2, ink.top + 1) & 0x00FFFF00, 0u);  // red only
}

TEST_F(SpriteTest, FontsComeFromTheFontsFolderFirstAndBoldWhenAsked) {
  TempDir dir;
  std::string error;
  auto bold = Font::Create(device_, "DejaVu Sans", 20, 700, &error);
  ASSERT_TRUE(bold) << error;
  EXPECT_NE(bold->FilePath().find("DejaVuSans-Bold.ttf"), std::string::npos);
  // A face placed in Fonts/ is found by its family name.
  TempDir::Write("fonts/mono.ttf",
                 TempDir::Read("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"));
  auto mono = Font::Create(device_, "dejavu sans mono", 20, 400, &error);
  ASSERT_TRUE(mono) << error;
  EXPECT_NE(mono->FilePath().find("mono.ttf"), std::string::npos) << mono->FilePath();
  EXPECT_FALSE(Font::Create(device_, "Any", 0, 0, &error));
  EXPECT_EQ(error, "impossible font height 0");
}
