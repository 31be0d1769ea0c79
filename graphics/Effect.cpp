#include "graphics/Effect.h"

using platform::Matrix;

void Effect::SetViewProjection(const Matrix& view, const Matrix& projection) {
  view_ = view;
  projection_ = projection;
  program_.SetMatrix("matViewProjection", MatrixTranspose(view * projection).Data());
}

bool Effect::SetTransforms(Matrix world, Matrix inverseWorld) {
  program_.SetMatrix("matWorld", MatrixTranspose(world).Data());
  program_.SetMatrix("matViewProjection", MatrixTranspose(world * view_ * projection_).Data());
  return program_.SetMatrix("matInverseWorld", inverseWorld.Data());
}

void Effect::SetDiffuse(const platform::Color& c) {
  const float rgba[4] = {c.r, c.g, c.b, c.a};
  program_.SetVector("diffuseMaterial", rgba);
}
