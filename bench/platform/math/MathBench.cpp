// The per-frame hot spots of the maths: a model's world matrix and its inverse transpose (every
// drawn model, every frame), point transforms (frustum corners, billboards), animation blends.
//
// RelWithDebInfo, one core of the shared 8-core build machine, December 2026:
//   BM_ModelWorldMatrix  99 ns   BM_MatrixMultiply   8.5 ns   BM_MatrixInverse    29 ns
//   BM_TransformCoord    5 ns a point (200 M/s)      BM_QuaternionSlerp  47 ns
//   BM_MatrixDecompose   31 ns
// A frame with a few hundred models spends well under 0.1 ms here.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/math/Math.h"

using namespace platform;

namespace {

void BM_ModelWorldMatrix(benchmark::State& state) {
  const Quaternion mesh = QuaternionRotationAxis({0, 0, 1}, 1.2f);
  Quaternion orientation = QuaternionRotationAxis({0.3f, 0.1f, 1}, 0.4f);
  for (auto _ : state) {
    benchmark::DoNotOptimize(orientation);
    const Matrix world = MatrixTranslation(-1, -2, -3) * MatrixRotationQuaternion(mesh) *
                         MatrixRotationQuaternion(orientation) * MatrixScaling(2, 2, 2) *
                         MatrixTranslation(100, 200, 300);
    benchmark::DoNotOptimize(MatrixTranspose(*MatrixInverse(world)));
  }
}
BENCHMARK(BM_ModelWorldMatrix);

void BM_MatrixMultiply(benchmark::State& state) {
  Matrix a = MatrixRotationYawPitchRoll(0.1f, 0.2f, 0.3f), b = MatrixTranslation(1, 2, 3);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    benchmark::DoNotOptimize(a * b);
  }
}
BENCHMARK(BM_MatrixMultiply);

void BM_MatrixInverse(benchmark::State& state) {
  Matrix a = MatrixLookAtLH({1, 2, 3}, {4, 5, 6}, {0, 0, 1}) *
             MatrixPerspectiveFovLH(0.785f, 4.0f / 3, 1, 30000);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(MatrixInverse(a));
  }
}
BENCHMARK(BM_MatrixInverse);

void BM_TransformCoord(benchmark::State& state) {
  std::vector<Vector3> points(1024);
  for (size_t i = 0; i < points.size(); ++i) points[i] = {float(i), float(i % 7), float(i % 13)};
  const Matrix m = MatrixRotationAxis({1, 1, 0}, 0.5f) * MatrixTranslation(5, 6, 7);
  for (auto _ : state) {
    for (Vector3& p : points) p = Vec3TransformCoord(p, m);
    benchmark::DoNotOptimize(points.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_TransformCoord);

void BM_QuaternionSlerp(benchmark::State& state) {
  Quaternion a = QuaternionRotationAxis({1, 0, 0}, 0.3f),
             b = QuaternionRotationAxis({0, 1, 1}, 2.0f);
  float t = 0.37f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(QuaternionSlerp(a, b, t));
  }
}
BENCHMARK(BM_QuaternionSlerp);

void BM_MatrixDecompose(benchmark::State& state) {
  Matrix m = MatrixScaling(2, 3, 4) * MatrixRotationYawPitchRoll(0.1f, 0.2f, 0.3f) *
             MatrixTranslation(5, 6, 7);
  Vector3 scale, translation;
  Quaternion rotation;
  for (auto _ : state) {
    benchmark::DoNotOptimize(m);
    benchmark::DoNotOptimize(MatrixDecompose(m, &scale, &rotation, &translation));
  }
}
BENCHMARK(BM_MatrixDecompose);

}  // namespace
