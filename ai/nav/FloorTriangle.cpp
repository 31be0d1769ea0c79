#include "ai/nav/FloorTriangle.h"

#include <algorithm>

namespace {

constexpr float kFloatEpsilon = 1.1920929e-7f;

}  // namespace

FloorTriangle::FloorTriangle(const platform::Vector3& p0, const platform::Vector3& p1, const platform::Vector3& p2)
    : p_{p0, p1, p2} {
  const platform::Vector3 n = platform::Vec3Cross(p1 - p0, p2 - p1);
  edgeNormal_[0] = platform::Vec3Cross(p1 - p0, n);
  edgeNormal_[1] = platform::Vec3Cross(p2 - p1, n);
  edgeNormal_[2] = platform::Vec3Cross(p0 - p2, n);
}

bool FloorTriangle::Contains(const platform::Vector3& q) const {
  // A triangle lying in a vertical coordinate plane holds only points of that plane. Height is
  // not tested so: sample points stand NODE_HEIGHT above the floor, and a floor at z = 0 would
  // otherwise hold none of them.
  for (float platform::Vector3::*axis : {&platform::Vector3::x, &platform::Vector3::y}) {
    if (p_[0].*axis == 0.0f && p_[1].*axis == 0.0f && p_[2].*axis == 0.0f && q.*axis != 0.0f) return false;
  }
  for (int i = 0; i < 3; ++i) {
    if (platform::Vec3Dot(q - p_[i], edgeNormal_[i]) >= kFloatEpsilon) return false;
  }
  return true;
}

platform::Vector3 FloorTriangle::Min() const {
  return {std::min({p_[0].x, p_[1].x, p_[2].x}), std::min({p_[0].y, p_[1].y, p_[2].y}),
          std::min({p_[0].z, p_[1].z, p_[2].z})};
}

platform::Vector3 FloorTriangle::Max() const {
  return {std::max({p_[0].x, p_[1].x, p_[2].x}), std::max({p_[0].y, p_[1].y, p_[2].y}),
          std::max({p_[0].z, p_[1].z, p_[2].z})};
}
