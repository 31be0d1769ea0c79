#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Window.h"
#include "platform/render/RenderDevice.h"

// A 2-D screen vertex with colour, for pre-transformed drawing.
struct ScreenVertex {
  float x, y, z, rhw;
  uint32_t argb;
  float u, v;
};

// A window and a device of 64 x 48 pixels for probing what the device draws.
class DeviceTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 64;
  static constexpr int kHeight = 48;

  void SetUp() override;

  // RGBA of one pixel of the current target, counted from the top-left.
  uint32_t PixelAt(int x, int y) const;
  static uint32_t Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    return uint32_t(r) << 24 | uint32_t(g) << 16 | uint32_t(b) << 8 | a;
  }

  // Screen-space drawing through the fixed-function path: a triangle given as three (x, y)
  // pixel points, and a quad over the whole target with uv 0..1, both at depth z.
  void DrawTriangle(const float (&xy)[6], uint32_t argb, float z = 0.5f);
  void DrawFullQuad(uint32_t argb, float z = 0.0f);

  platform::Window window_;
  platform::RenderDevice device_;
};

// Row-major, row-vector, left-handed matrices, as the game's maths library makes them.
struct TestMatrix {
  float m[16];
  static TestMatrix Identity();
  static TestMatrix PerspectiveFovLH(float fovY, float aspect, float zn, float zf);
  static TestMatrix LookAtLH(const float eye[3], const float at[3], const float up[3]);
  static TestMatrix Translation(float x, float y, float z);
  TestMatrix operator*(const TestMatrix& b) const;
};

