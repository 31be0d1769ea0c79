#include <gtest/gtest.h>

#include <cmath>

#include "platform/math/Color.h"
#include "platform/math/Plane.h"
#include "tests/platform/math/Near.h"

using namespace platform;

TEST(Plane, FromPointsTakesItsNormalFromTheWinding) {
  // (p2 - p1) x (p3 - p1) = (3, 0, 0) x (0, 4, 0) = (0, 0, 12) -> (0, 0, 1); d = -(n . p1) = -2.
  const Vector3 p1{0, 0, 2}, p2{3, 0, 2}, p3{0, 4, 2};
  EXPECT_TRUE(Near(PlaneFromPoints(p1, p2, p3), Plane{0, 0, 1, -2}));
  // The opposite winding flips the plane.
  EXPECT_TRUE(Near(PlaneFromPoints(p1, p3, p2), Plane{0, 0, -1, 2}));
  // Three points on one line span no plane.
  EXPECT_EQ(PlaneFromPoints({0, 0, 0}, {1, 1, 1}, {2, 2, 2}), Plane{});
  // The near face of the unit view volume, corners (-1,-1,0) (1,-1,0) (-1,1,0) in that order,
  // faces into the volume: (2, 0, 0) x (0, 2, 0) = (0, 0, 4).
  EXPECT_TRUE(Near(PlaneFromPoints({-1, -1, 0}, {1, -1, 0}, {-1, 1, 0}), Plane{0, 0, 1, 0}));
}

TEST(Plane, DotsAndNormalising) {
  const Plane p = PlaneFromPointNormal({0, 0, 2}, {0, 0, 3});
  EXPECT_EQ(p, (Plane{0, 0, 3, -6}));
  // 3*5 - 6 = 9 above the plane; directions ignore d.
  EXPECT_EQ(PlaneDotCoord(p, {1, 1, 5}), 9.0f);
  EXPECT_EQ(PlaneDotNormal(p, {1, 1, 5}), 15.0f);
  EXPECT_EQ(PlaneNormalize(p), (Plane{0, 0, 1, -2}));
  EXPECT_EQ(PlaneNormalize(Plane{0, 0, 0, 5}), Plane{});
}

TEST(Color, PacksToArgbWithClampingAndRounding) {
  // r 1 -> 255, g 0.5 -> 127.5 + 0.5 = 128 = 0x80, b 0, a 1.
  EXPECT_EQ(ColorToArgb({1, 0.5f, 0, 1}), 0xFFFF8000u);
  // Out of range clamps; 0.25 * 255 + 0.5 = 64.25 -> 0x40; a 0.5 -> 0x80.
  EXPECT_EQ(ColorToArgb({2, -1, 0.25f, 0.5f}), 0x80FF0040u);
  EXPECT_EQ(ColorFromArgb(0xFF00FF00u), (Color{0, 1, 0, 1}));
  // A NaN component packs as 0 rather than an undefined conversion.
  EXPECT_EQ(ColorToArgb({std::nanf(""), 1, 1, 1}), 0xFF00FFFFu);
  // Every byte survives the round trip.
  for (uint32_t v = 0; v < 256; ++v) {
    const uint32_t argb = v << 24 | (255 - v) << 16 | (v ^ 0x5A) << 8 | v;
    EXPECT_EQ(ColorToArgb(ColorFromArgb(argb)), argb) << v;
  }
}

TEST(Color, ArithmeticAndLerp) {
  const Color a{0, 0.2f, 1, 1}, b{1, 0.4f, 0, 0};
  EXPECT_TRUE(Near(ColorLerp(a, b, 0.5f), Color{0.5f, 0.3f, 0.5f, 0.5f}));
  EXPECT_EQ(ColorLerp(a, b, 0), a);
  EXPECT_TRUE(Near(a + b, Color{1, 0.6f, 1, 1}));
  EXPECT_TRUE(Near(0.5f * b, Color{0.5f, 0.2f, 0, 0}));
}
