#include "platform/xfile/Normals.h"

#include <algorithm>
#include <cmath>

namespace platform::xfile {
namespace {

float AngleBetween(const Vec3& a, const Vec3& b) {
  const float la = Length(a), lb = Length(b);
  if (la == 0 || lb == 0) return 0;
  return std::acos(std::clamp(Dot(a, b) / (la * lb), -1.0f, 1.0f));
}

}  // namespace

std::vector<Vec3> ComputeNormals(std::span<const Vec3> positions,
                                 std::span<const uint32_t> indices) {
  std::vector<Vec3> normals(positions.size());
  for (size_t t = 0; t + 2 < indices.size(); t += 3) {
    const uint32_t id[3] = {indices[t], indices[t + 1], indices[t + 2]};
    if (id[0] >= positions.size() || id[1] >= positions.size() || id[2] >= positions.size())
      continue;
    const Vec3 p[3] = {positions[id[0]], positions[id[1]], positions[id[2]]};
    const Vec3 face = Normalize(Cross(Sub(p[1], p[0]), Sub(p[2], p[0])));
    for (int c = 0; c < 3; ++c) {
      const float angle = AngleBetween(Sub(p[(c + 1) % 3], p[c]), Sub(p[(c + 2) % 3], p[c]));
      normals[id[c]] = Add(normals[id[c]], Scale(face, angle));
    }
  }
  for (Vec3& n : normals) n = Normalize(n);
  return normals;
}

}  // namespace platform::xfile
