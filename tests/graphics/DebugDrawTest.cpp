#include <gtest/gtest.h>

#include "graphics/DebugDraw.h"
#include "platform/math/Frustum.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

using platform::Matrix;

// Looking at the origin from 300 units south and 100 up, z up.
const Matrix kView = platform::MatrixLookAtLH({0, -300, 100}, {0, 0, 0}, {0, 0, 1});

platform::Frustum ViewFrustum(const Matrix& projection) {
  platform::Frustum frustum;
  Matrix viewProjection = kView * projection;
  frustum.Build(viewProjection);
  return frustum;
}

TEST(DebugDrawTest, NothingIsStoredWhileDrawShapesIsOff) {
  bool drawShapes = false;
  platform::Frustum frustum;
  DebugDraw debug(drawShapes, frustum);
  debug.AddLine(0, 0, 0, 1, 1, 1, 0xFFFF0000);
  debug.AddSphere(0, 0, 0, 5, 0xFF00FF00);
  debug.AddBox(0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 0xFF0000FF);
  EXPECT_EQ(debug.LineVertexCount(), 0);
  EXPECT_EQ(debug.ShapeCount(), 0u);
  drawShapes = true;  // only what is added from now on is drawn
  debug.AddLine(0, 0, 0, 1, 1, 1, 0xFFFF0000);
  debug.AddSphere(0, 0, 0, 5, 0xFF00FF00);
  EXPECT_EQ(debug.LineVertexCount(), 2);
  EXPECT_EQ(debug.ShapeCount(), 1u);
}

TEST(DebugDrawTest, LinesPastTheStoreAreDroppedNotWrittenBeyondIt) {
  bool drawShapes = true;
  platform::Frustum frustum;
  DebugDraw debug(drawShapes, frustum);
  const int32_t lines = DebugDraw::kMaxLineVertices / 2;
  for (int32_t i = 0; i < lines + 10; ++i) debug.AddLine(0, 0, float(i), 1, 0, float(i), 0xFFFFFFFF);
  EXPECT_EQ(debug.LineVertexCount(), DebugDraw::kMaxLineVertices);
}

TEST(DebugDrawTest, ABoxOutsideTheViewIsNeverQueued) {
  bool drawShapes = true;
  const platform::Frustum frustum = ViewFrustum(platform::MatrixPerspectiveFovLH(0.8f, 4.0f / 3.0f, 1.0f, 5000.0f));
  DebugDraw debug(drawShapes, frustum);
  debug.AddBox(0, -1000, 0, 10, 10, 10, 0, 0, 0, 1, 0xFFFFFFFF);  // behind the eye
  EXPECT_EQ(debug.ShapeCount(), 0u);
  debug.AddBox(0, 0, 0, 10, 10, 10, 0, 0, 0, 1, 0xFFFFFFFF);
  debug.AddBox(0, -300, 100, 2000, 2000, 2000, 0, 0, 0, 1, 0xFFFFFFFF);  // around the eye
  EXPECT_EQ(debug.ShapeCount(), 2u);
}

class DebugDrawFrameTest : public GraphicsFixture {};

TEST_F(DebugDrawFrameTest, LinesSpheresAndBoxesMatchTheirReferenceImage) {
  StartGraphics();
  platform::RenderDevice& device = *graphics->GetDevice();
  bool drawShapes = true;
  const platform::Frustum frustum = ViewFrustum(graphics->GetProjection());
  DebugDraw debug(drawShapes, frustum);
  debug.CreateMeshes(device);
  Effect* cel = graphics->GetEffectManager()->Get("CelShader");
  ASSERT_NE(cel, nullptr);
  cel->SetViewProjection(kView, graphics->GetProjection());
  device.SetTransform(platform::TransformKind::View, kView.Data());
  device.SetTransform(platform::TransformKind::Projection, graphics->GetProjection().Data());

  for (int i = -5; i <= 5; ++i) {
    debug.AddLine(float(i) * 20, -100, 0, float(i) * 20, 100, 0, 0xFF00FF00);
    debug.AddLine(-100, float(i) * 20, 0, 100, float(i) * 20, 0, 0xFF008000);
  }
  debug.AddSphere(-50, 0, 30, 25, 0xFFFF0000);
  const float s = std::sin(0.4f), c = std::cos(0.4f);
  debug.AddBox(50, 0, 30, 40, 30, 50, 0, 0, s, c, 0xFF0000FF);
  device.Clear(platform::ClearTarget | platform::ClearDepth, 0xFF202020, 1.0f, 0);
  debug.Render(device, cel, graphics->GetTextureManager()->GetOrLoad("none.bmp"));
  EXPECT_EQ(debug.LineVertexCount(), 0);
  EXPECT_EQ(debug.ShapeCount(), 0u);
  std::string message;
  EXPECT_TRUE(MatchesGolden(device, "debug_shapes", 8, 0.99, &message)) << message;

  // The next frame draws only what was added again: nothing.
  device.Clear(platform::ClearTarget | platform::ClearDepth, 0xFF202020, 1.0f, 0);
  debug.Render(device, cel, nullptr);
  EXPECT_EQ(BackBufferPixel(512, 384), 0x202020FFu);
  debug.ReleaseMeshes();
}

}  // namespace
