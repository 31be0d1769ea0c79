#include "tests/platform/render/DeviceFixture.h"

#include <cmath>

#include "platform/render/VertexLayout.h"

void DeviceTest::SetUp() {
  ASSERT_TRUE(window_.Create("render test", kWidth, kHeight));
  std::string error;
  ASSERT_TRUE(device_.Create(window_, {}, &error)) << error;
}

uint32_t DeviceTest::PixelAt(int x, int y) const {
  auto p = device_.ReadPixels(platform::IntRect{x, y, x + 1, y + 1});
  if (p.size() != 4) return 0;
  return Rgba(p[0], p[1], p[2], p[3]);
}

void DeviceTest::DrawTriangle(const float (&xy)[6], uint32_t argb, float z) {
  const ScreenVertex v[3] = {{xy[0], xy[1], z, 1, argb, 0, 0},
                             {xy[2], xy[3], z, 1, argb, 0, 0},
                             {xy[4], xy[5], z, 1, argb, 0, 0}};
  device_.DrawPrimitiveUP(platform::PrimitiveType::TriangleList,
                          platform::VertexLayout::ScreenColorTexture(), v, 1);
}

void DeviceTest::DrawFullQuad(uint32_t argb, float z) {
  const float w = float(device_.TargetWidth()), h = float(device_.TargetHeight());
  const ScreenVertex v[4] = {{0, 0, z, 1, argb, 0, 0},
                             {w, 0, z, 1, argb, 1, 0},
                             {0, h, z, 1, argb, 0, 1},
                             {w, h, z, 1, argb, 1, 1}};
  device_.DrawPrimitiveUP(platform::PrimitiveType::TriangleStrip,
                          platform::VertexLayout::ScreenColorTexture(), v, 2);
}

TestMatrix TestMatrix::Identity() {
  TestMatrix r{};
  for (int i = 0; i < 4; ++i) r.m[i * 5] = 1.0f;
  return r;
}

TestMatrix TestMatrix::PerspectiveFovLH(float fovY, float aspect, float zn, float zf) {
  TestMatrix r{};
  const float yScale = 1.0f / std::tan(fovY / 2), xScale = yScale / aspect;
  r.m[0] = xScale;
  r.m[5] = yScale;
  r.m[10] = zf / (zf - zn);
  r.m[11] = 1.0f;
  r.m[14] = -zn * zf / (zf - zn);
  return r;
}

TestMatrix TestMatrix::LookAtLH(const float eye[3], const float at[3], const float up[3]) {
  auto normalize = [](float v[3]) {
    const float l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (int i = 0; i < 3; ++i) v[i] /= l;
  };
  auto cross = [](const float a[3], const float b[3], float o[3]) {
    o[0] = a[1] * b[2] - a[2] * b[1];
    o[1] = a[2] * b[0] - a[0] * b[2];
    o[2] = a[0] * b[1] - a[1] * b[0];
  };
  auto dot = [](const float a[3], const float b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
  float z[3] = {at[0] - eye[0], at[1] - eye[1], at[2] - eye[2]};
  normalize(z);
  float x[3], y[3];
  cross(up, z, x);
  normalize(x);
  cross(z, x, y);
  TestMatrix r = Identity();
  for (int i = 0; i < 3; ++i) {
    r.m[i * 4 + 0] = x[i];
    r.m[i * 4 + 1] = y[i];
    r.m[i * 4 + 2] = z[i];
  }
  r.m[12] = -dot(x, eye);
  r.m[13] = -dot(y, eye);
  r.m[14] = -dot(z, eye);
  return r;
}

TestMatrix TestMatrix::Translation(float x, float y, float z) {
  TestMatrix r = Identity();
  r.m[12] = x;
  r.m[13] = y;
  r.m[14] = z;
  return r;
}

TestMatrix TestMatrix::operator*(const TestMatrix& b) const {
  TestMatrix r{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 4; ++k) r.m[i * 4 + j] += m[i * 4 + k] * b.m[k * 4 + j];
  return r;
}
