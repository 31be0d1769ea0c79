#include "graphics/Effect.h"

using platform::Matrix;

namespace {
// Named once: these are set for every draw, and the longer names would otherwise be copied to
// the heap on each call.
const std::string kMatWorld = "matWorld";
const std::string kMatViewProjection = "matViewProjection";
const std::string kMatInverseWorld = "matInverseWorld";
const std::string kDiffuseMaterial = "diffuseMaterial";
}  // namespace

void Effect::SetViewProjection(const Matrix& view, const Matrix& projection) {
  view_ = view;
  projection_ = projection;
  program_.SetMatrix(kMatViewProjection, MatrixTranspose(view * projection).Data());
}

bool Effect::SetTransforms(Matrix world, Matrix inverseWorld) {
  program_.SetMatrix(kMatWorld, MatrixTranspose(world).Data());
  program_.SetMatrix(kMatViewProjection, MatrixTranspose(world * view_ * projection_).Data());
  return program_.SetMatrix(kMatInverseWorld, inverseWorld.Data());
}

void Effect::SetDiffuse(const platform::Color& c) {
  const float rgba[4] = {c.r, c.g, c.b, c.a};
  program_.SetVector(kDiffuseMaterial, rgba);
}
