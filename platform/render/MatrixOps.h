#pragma once

namespace platform {

// out = a * b for 16-float row-major matrices (row-vector convention). `out` may alias neither.
void MultiplyMatrices(const float* a, const float* b, float* out);
void SetIdentity(float* m);

}  // namespace platform
