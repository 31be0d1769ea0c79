#include <gtest/gtest.h>

#include "platform/render/Buffers.h"
#include "platform/render/RenderTarget.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "tests/platform/render/DeviceFixture.h"
#include "tests/support/TempDir.h"

using namespace platform;

namespace {

struct ColorVertex {
  float x, y, z;
  uint32_t argb;
};

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

}  // namespace

TEST(RenderDevice, WithoutAWindowCreationFailsWithAReason) {
  platform::Window unopened;
  RenderDevice device;
  std::string error;
  EXPECT_FALSE(device.Create(unopened, {}, &error));
  EXPECT_EQ(error, "no window to draw into");
  EXPECT_FALSE(device.IsCreated());
}

TEST_F(DeviceTest, ClearFillsTheTargetAndReadsBackTopRowFirst) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF102030, 1.0f, 0);
  EXPECT_EQ(PixelAt(0, 0), Rgba(0x10, 0x20, 0x30));
  EXPECT_EQ(PixelAt(kWidth - 1, kHeight - 1), Rgba(0x10, 0x20, 0x30));
  // A clear limited by the viewport leaves the rest alone, whatever the depth-write state.
  device_.SetZWrite(false);
  device_.SetViewport(Viewport{0, 0, kWidth, 8});
  device_.Clear(ClearTarget, kRed, 1.0f, 0);
  EXPECT_EQ(PixelAt(5, 0), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(5, 7), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(5, 8), Rgba(0x10, 0x20, 0x30));
}

// A screen-space triangle in the top-left corner lands in the first rows read back.
TEST_F(DeviceTest, ScreenPixelsCountFromTheTopLeft) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  DrawTriangle({0, 0, 20, 0, 0, 20}, kRed);
  EXPECT_EQ(PixelAt(2, 2), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(kWidth - 2, kHeight - 2), Rgba(0, 0, 0));
  EXPECT_EQ(PixelAt(2, kHeight - 2), Rgba(0, 0, 0));
}

// The original device keeps clockwise-on-screen faces when culling counter-clockwise ones.
TEST_F(DeviceTest, ClockwiseOnScreenIsFrontFacing) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::CounterClockwise);
  // Left half: clockwise on screen (right, then down-left); right half: counter-clockwise.
  DrawTriangle({0, 0, 30, 0, 0, 40}, kRed);
  DrawTriangle({34, 0, 34, 40, 63, 0}, kGreen);
  EXPECT_EQ(PixelAt(3, 3), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(37, 3), Rgba(0, 0, 0));
  // Culling clockwise faces turns that round.
  device_.SetCullMode(CullMode::Clockwise);
  DrawTriangle({34, 0, 34, 40, 63, 0}, kGreen);
  EXPECT_EQ(PixelAt(37, 3), Rgba(0, 255, 0));
}

// A world triangle seen through left-handed look-at and perspective matrices: +y is up on
// screen, +x right, and the camera looks along +z.
TEST_F(DeviceTest, RowVectorLeftHandedMatricesPlaceGeometryAsTheGameExpects) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  const float eye[3] = {0, 0, -10}, at[3] = {0, 0, 0}, up[3] = {0, 1, 0};
  TestMatrix view = TestMatrix::LookAtLH(eye, at, up);
  TestMatrix proj = TestMatrix::PerspectiveFovLH(3.14159265f / 4, float(kWidth) / kHeight, 1, 100);
  device_.SetTransform(TransformKind::World, TestMatrix::Translation(-2, 2, 0).m);
  device_.SetTransform(TransformKind::View, view.m);
  device_.SetTransform(TransformKind::Projection, proj.m);
  // Wound clockwise as seen from the camera (+y up): up-left corner, right, down.
  const ColorVertex tri[3] = {{-1, 1, 0, kRed}, {1, 1, 0, kRed}, {-1, -1, 0, kRed}};
  device_.DrawPrimitiveUP(PrimitiveType::TriangleList, VertexLayout::PositionColor(), tri, 1);
  // The triangle sits up and left of the centre: top-left quadrant of the image.
  int top = 0, bottom = 0, left = 0, right = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (PixelAt(x, y) == Rgba(255, 0, 0)) {
        (y < kHeight / 2 ? top : bottom)++;
        (x < kWidth / 2 ? left : right)++;
      }
  EXPECT_GT(top, 20);
  EXPECT_EQ(bottom, 0);
  EXPECT_GT(left, 20);
  EXPECT_EQ(right, 0);
}

TEST_F(DeviceTest, NearerDepthWinsWithLessEqual) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  DrawFullQuad(kRed, 0.3f);
  DrawFullQuad(kGreen, 0.6f);  // behind: hidden
  EXPECT_EQ(PixelAt(10, 10), Rgba(255, 0, 0));
  DrawFullQuad(kBlue, 0.3f);  // equal depth passes LESSEQUAL
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 0, 255));
  device_.SetZEnable(false);
  DrawFullQuad(kGreen, 0.9f);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 255, 0));
}

// Clearing writes depth whatever the depth-write state; drawing afterwards must still honour it.
TEST_F(DeviceTest, ClearLeavesTheDepthWriteStateAsSet) {
  device_.SetCullMode(CullMode::None);
  device_.SetZWrite(false);
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetZWrite(false);
  DrawFullQuad(kRed, 0.3f);
  DrawFullQuad(kGreen, 0.6f);  // nothing was written to depth: this still passes
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 255, 0));
}

TEST_F(DeviceTest, ScissorAndWireframeLimitWhatIsFilled) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  device_.SetScissor(true, IntRect{0, 0, 16, 48});
  DrawFullQuad(kRed);
  EXPECT_EQ(PixelAt(15, 20), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(16, 20), Rgba(0, 0, 0));
  device_.SetScissor(false, IntRect{});
  device_.Clear(ClearTarget, 0xFF000000, 1.0f, 0);
  device_.SetFillMode(FillMode::Wireframe);
  DrawTriangle({8, 8, 56, 8, 8, 40}, kGreen);
  EXPECT_EQ(PixelAt(20, 8), Rgba(0, 255, 0));  // on the top edge
  EXPECT_EQ(PixelAt(16, 16), Rgba(0, 0, 0));   // inside: not filled
}

TEST_F(DeviceTest, AlphaBlendAndAlphaTestFollowTheStates) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  device_.SetZEnable(false);
  const float half[6] = {0, 0, 64, 0, 0, 48};
  device_.SetAlphaBlend(true);
  device_.SetBlendFactors(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
  DrawTriangle(half, 0x80FF0000, 0.0f);
  EXPECT_NEAR(PixelAt(2, 2) >> 24, 128, 1);
  // Alpha 0x80 fails "greater than 0x80": nothing more is drawn.
  device_.SetAlphaBlend(false);
  device_.SetAlphaTest(true, CompareFunc::Greater, 0x80);
  DrawTriangle(half, 0x80FF0000, 0.0f);
  EXPECT_NEAR(PixelAt(2, 2) >> 24, 128, 1);
  device_.SetAlphaTest(true, CompareFunc::GreaterEqual, 0x80);
  DrawTriangle(half, 0x80FF0000, 0.0f);
  EXPECT_EQ(PixelAt(2, 2) >> 24, 255u);
}

TEST_F(DeviceTest, BuffersDrawAndRefuseWritesOutOfRange) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  const ScreenVertex v[4] = {{0, 0, 0, 1, kGreen, 0, 0},
                             {64, 0, 0, 1, kGreen, 0, 0},
                             {0, 48, 0, 1, kGreen, 0, 0},
                             {64, 48, 0, 1, kGreen, 0, 0}};
  VertexBuffer vb(device_, sizeof v, BufferUsage::Dynamic);
  EXPECT_TRUE(vb.Write(0, v, sizeof v, true));
  EXPECT_FALSE(vb.Write(8, v, sizeof v));
  const uint16_t idx[6] = {0, 1, 2, 2, 1, 3};
  IndexBuffer ib(device_, 6, false, BufferUsage::Static, idx);
  EXPECT_FALSE(ib.Write(4, idx, 3));
  device_.DrawIndexedPrimitive(PrimitiveType::TriangleList, vb, ib, VertexLayout::ScreenColorTexture(),
                               0, 0, 2);
  EXPECT_EQ(PixelAt(60, 44), Rgba(0, 255, 0));
  // Too many primitives for the buffer: nothing is drawn rather than reading past its end.
  device_.Clear(ClearTarget, 0xFF000000, 1.0f, 0);
  device_.DrawPrimitive(PrimitiveType::TriangleStrip, vb, VertexLayout::ScreenColorTexture(), 0, 3);
  EXPECT_EQ(PixelAt(60, 44), Rgba(0, 0, 0));
  device_.DrawPrimitive(PrimitiveType::TriangleStrip, vb, VertexLayout::ScreenColorTexture(), 0, 2);
  EXPECT_EQ(PixelAt(60, 44), Rgba(0, 255, 0));
}

TEST_F(DeviceTest, RenderTargetsAreDrawnIntoAndKeepTopRowFirst) {
  std::string error;
  auto target = RenderTarget::Create(device_, 32, 16, TargetDepth::Shared, &error);
  ASSERT_TRUE(target) << error;
  device_.SetRenderTarget(target.get());
  EXPECT_EQ(device_.GetViewport().width, 32);
  device_.Clear(ClearTarget | ClearDepth, kBlue, 1.0f, 0);
  device_.SetViewport(Viewport{0, 0, 32, 4});
  device_.Clear(ClearTarget, kRed, 1.0f, 0);
  EXPECT_EQ(PixelAt(0, 0), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(0, 15), Rgba(0, 0, 255));
  device_.SetRenderTarget(nullptr);
  // The target's texture samples top row at v = 0.
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.SetCullMode(CullMode::None);
  device_.SetTexture(&target->GetTexture());
  DrawFullQuad(0xFFFFFFFF);
  EXPECT_EQ(PixelAt(30, 1), Rgba(255, 0, 0));
  EXPECT_EQ(PixelAt(30, 46), Rgba(0, 0, 255));
  device_.SetTexture(nullptr);
  EXPECT_FALSE(RenderTarget::Create(device_, 0, 16, TargetDepth::Own, &error));
  // Destroying the current target leaves the back buffer current, not a dangling target.
  device_.SetRenderTarget(target.get());
  target.reset();
  EXPECT_EQ(device_.GetRenderTarget(), nullptr);
  EXPECT_EQ(device_.GetViewport().width, kWidth);
}

TEST_F(DeviceTest, ScreenshotIsAPngOfTheWholeTarget) {
  TempDir dir;
  device_.Clear(ClearTarget | ClearDepth, kGreen, 1.0f, 0);
  ASSERT_TRUE(device_.SaveScreenshot("shot.png"));
  const std::string png = TempDir::Read("shot.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return uint32_t(uint8_t(png[at])) << 24 | uint32_t(uint8_t(png[at + 1])) << 16 |
           uint32_t(uint8_t(png[at + 2])) << 8 | uint8_t(png[at + 3]);
  };
  EXPECT_EQ(be32(16), uint32_t(kWidth));
  EXPECT_EQ(be32(20), uint32_t(kHeight));
  EXPECT_FALSE(device_.SaveScreenshot("missing/dir/shot.png"));
  device_.Present();  // nothing to see offscreen, but it must not disturb the back buffer
  EXPECT_EQ(PixelAt(0, 0), Rgba(0, 255, 0));
}

TEST_F(DeviceTest, LinesAndScaledPointSpritesDrawLikeTheParticlePass) {
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  const float eye[3] = {0, 0, -5}, at[3] = {0, 0, 0}, up[3] = {0, 1, 0};
  device_.SetTransform(TransformKind::View, TestMatrix::LookAtLH(eye, at, up).m);
  device_.SetTransform(TransformKind::Projection,
                       TestMatrix::PerspectiveFovLH(3.14159265f / 2, float(kWidth) / kHeight, 1, 100).m);
  // A horizontal debug line through the centre.
  const ColorVertex line[2] = {{-100, 0, 0, kGreen}, {100, 0, 0, kGreen}};
  device_.DrawPrimitiveUP(PrimitiveType::LineList, VertexLayout::PositionColor(), line, 1);
  EXPECT_EQ(PixelAt(5, kHeight / 2) & 0x00FF0000, 0x00FF0000u);

  // A point of size 1 at distance 5: viewport height * 1 / 5 = 9.6 pixels across, textured
  // with the texture's top (red) at the top.
  const uint8_t texels[2 * 2 * 4] = {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255};
  auto texture = Texture::FromPixels(device_, 2, 2, texels);
  RenderState s = device_.GetState();
  s.pointSprite = s.pointScale = true;
  s.pointScaleA = s.pointScaleB = 0.0f;
  s.pointScaleC = 1.0f;
  device_.SetState(s);
  device_.SetTexture(texture.get());
  struct PointVertex {
    float x, y, z, size;
    uint32_t argb;
  };
  const PointVertex point = {0, 0, 0, 1.0f, 0xFFFFFFFF};
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  device_.DrawPrimitiveUP(PrimitiveType::PointList, VertexLayout::PointSprite(), &point, 1);
  device_.SetTexture(nullptr);
  int lit = 0;
  for (int x = 0; x < kWidth; ++x) lit += PixelAt(x, kHeight / 2 + 2) != Rgba(0, 0, 0);
  EXPECT_NEAR(lit, 10, 1);
  // Filtering blends the two rows near the middle; each half keeps its own colour's majority.
  const uint32_t upper = PixelAt(kWidth / 2, kHeight / 2 - 3), lower = PixelAt(kWidth / 2, kHeight / 2 + 3);
  EXPECT_GT(upper >> 24, (upper >> 8) & 0xFF);
  EXPECT_LT(lower >> 24, (lower >> 8) & 0xFF);
}
