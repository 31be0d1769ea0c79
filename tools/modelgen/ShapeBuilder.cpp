#include "tools/modelgen/ShapeBuilder.h"

#include <cmath>

namespace modelgen {

using namespace platform::xfile;

namespace {

constexpr float kPi = 3.14159265358979f;

float Mix(float a, float b, float t) { return a + (b - a) * t; }

// Two unit vectors across an axis; for an upright axis they are x and y (or x and -y).
void Across(const Vec3& axis, Vec3& e1, Vec3& e2) {
  if (std::fabs(axis.z) > 0.9f)
    e1 = {1, 0, 0};
  else
    e1 = Normalize(Cross(axis, {0, 0, 1}));
  e2 = Cross(axis, e1);
}

}  // namespace

uint32_t ShapeBuilder::Vertex(const Vec3& p, const Vec3& n, float u, float v) {
  positions_.push_back(p);
  normals_.push_back(Normalize(n));
  uvs_.push_back({u, v});
  influences_.push_back(influence_ ? influence_(p) : Influence{});
  return uint32_t(positions_.size() - 1);
}

void ShapeBuilder::Triangle(uint32_t a, uint32_t b, uint32_t c) {
  const Vec3 cross = Cross(Sub(positions_[b], positions_[a]), Sub(positions_[c], positions_[a]));
  if (Length(cross) < 1e-3f) return;  // also slivers that rounding in the file would flatten
  const Vec3 n = Add(Add(normals_[a], normals_[b]), normals_[c]);
  if (Dot(cross, n) < 0) std::swap(b, c);
  indices_.insert(indices_.end(), {a, b, c});
  triangleMaterials_.push_back(material_);
}

void ShapeBuilder::Grid(uint32_t first, int rows, int cols) {
  for (int r = 0; r + 1 < rows; ++r)
    for (int c = 0; c + 1 < cols; ++c) {
      const uint32_t i = first + uint32_t(r * cols + c);
      const uint32_t below = i + uint32_t(cols);
      Triangle(i, below, i + 1);
      Triangle(i + 1, below, below + 1);
    }
}

void ShapeBuilder::Box(const Vec3& c, const Vec3& h, const UvRect& uv) {
  const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  const float half[3] = {h.x, h.y, h.z};
  for (int a = 0; a < 3; ++a)
    for (int side = -1; side <= 1; side += 2) {
      const Vec3 n = Scale(axes[a], float(side));
      const Vec3& s = axes[(a + 1) % 3];
      const Vec3& t = axes[(a + 2) % 3];
      const float hs = half[(a + 1) % 3], ht = half[(a + 2) % 3];
      const uint32_t first = uint32_t(positions_.size());
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          const Vec3 p = Add(Add(Add(c, Scale(n, half[a])), Scale(s, hs * (i * 2 - 1))),
                             Scale(t, ht * (1 - j * 2)));
          Vertex(p, n, Mix(uv.u0, uv.u1, float(i)), Mix(uv.v0, uv.v1, float(j)));
        }
      Grid(first, 2, 2);
    }
}

void ShapeBuilder::Lathe(const Vec3& base, const Vec3& axisIn,
                         std::span<const ProfilePoint> profile, int segments, const UvRect& uv,
                         float widthX, float widthY, bool caps) {
  const Vec3 axis = Normalize(axisIn);
  Vec3 e1, e2;
  Across(axis, e1, e2);
  const int rows = int(profile.size());
  // Profile normals (radial, axial), averaged over the two neighbouring slopes.
  std::vector<std::array<float, 2>> slope(static_cast<size_t>(rows));
  for (int r = 0; r < rows; ++r) {
    const ProfilePoint& a = profile[size_t(std::max(r - 1, 0))];
    const ProfilePoint& b = profile[size_t(std::min(r + 1, rows - 1))];
    const float dr = b.radius - a.radius, dh = b.along - a.along;
    const float len = std::sqrt(dr * dr + dh * dh);
    slope[size_t(r)] =
        len > 0 ? std::array<float, 2>{dh / len, -dr / len} : std::array<float, 2>{1, 0};
  }
  const uint32_t first = uint32_t(positions_.size());
  for (int r = 0; r < rows; ++r) {
    const ProfilePoint& p = profile[size_t(r)];
    const Vec3 centre = Add(base, Scale(axis, p.along));
    for (int s = 0; s <= segments; ++s) {
      const float a = 2 * kPi * float(s) / float(segments);
      const Vec3 dir = Add(Scale(e1, std::cos(a) * widthX), Scale(e2, std::sin(a) * widthY));
      const Vec3 radial =
          Normalize(Add(Scale(e1, std::cos(a) / widthX), Scale(e2, std::sin(a) / widthY)));
      const Vec3 n = Add(Scale(radial, slope[size_t(r)][0]), Scale(axis, slope[size_t(r)][1]));
      Vertex(Add(centre, Scale(dir, p.radius)), n, Mix(uv.u0, uv.u1, float(s) / float(segments)),
             Mix(uv.v0, uv.v1, float(r) / float(rows - 1)));
    }
  }
  Grid(first, rows, segments + 1);
  if (!caps) return;
  for (int end = 0; end < 2; ++end) {
    const ProfilePoint& p = profile[end == 0 ? 0 : size_t(rows - 1)];
    if (p.radius <= 0) continue;
    const Vec3 n = Scale(axis, end == 0 ? -1.f : 1.f);
    const Vec3 centre = Add(base, Scale(axis, p.along));
    const float um = (uv.u0 + uv.u1) / 2, vm = end == 0 ? uv.v0 : uv.v1;
    const uint32_t hub = Vertex(centre, n, um, vm);
    const uint32_t ring = uint32_t(positions_.size());
    for (int s = 0; s < segments; ++s) {
      const float a = 2 * kPi * float(s) / float(segments);
      const Vec3 dir = Add(Scale(e1, std::cos(a) * widthX), Scale(e2, std::sin(a) * widthY));
      Vertex(Add(centre, Scale(dir, p.radius)), n, um, vm);
    }
    for (int s = 0; s < segments; ++s)
      Triangle(hub, ring + uint32_t(s), ring + uint32_t((s + 1) % segments));
  }
}

void ShapeBuilder::Tube(const Vec3& a, const Vec3& b, float ra, float rb, int segments, int rings,
                        const UvRect& uv) {
  const float length = Length(Sub(b, a));
  std::vector<ProfilePoint> profile;
  for (int i = 0; i <= rings; ++i) {
    const float t = float(i) / float(rings);
    profile.push_back({Mix(ra, rb, t), length * t});
  }
  Lathe(a, Sub(b, a), profile, segments, uv);
}

void ShapeBuilder::Ellipsoid(const Vec3& c, const Vec3& radii, int segments, int rings,
                             const UvRect& uv) {
  const uint32_t first = uint32_t(positions_.size());
  for (int r = 0; r <= rings; ++r) {
    const float lat = kPi * float(r) / float(rings);  // 0 at the top
    for (int s = 0; s <= segments; ++s) {
      const float lon = 2 * kPi * float(s) / float(segments);
      const Vec3 unit{std::sin(lat) * std::cos(lon), std::sin(lat) * std::sin(lon), std::cos(lat)};
      const Vec3 p{c.x + unit.x * radii.x, c.y + unit.y * radii.y, c.z + unit.z * radii.z};
      const Vec3 n{unit.x / radii.x, unit.y / radii.y, unit.z / radii.z};
      Vertex(p, n, Mix(uv.u0, uv.u1, float(s) / float(segments)),
             Mix(uv.v0, uv.v1, float(r) / float(rings)));
    }
  }
  Grid(first, rings + 1, segments + 1);
}

void ShapeBuilder::Disc(const Vec3& c, const Vec3& normal, const Vec3& right, float radius,
                        int segments, const UvRect& uv) {
  const Vec3 n = Normalize(normal);
  const Vec3 r = Normalize(right);
  const Vec3 up = Cross(r, n);
  const float um = (uv.u0 + uv.u1) / 2, vm = (uv.v0 + uv.v1) / 2;
  const float hu = (uv.u1 - uv.u0) / 2, hv = (uv.v1 - uv.v0) / 2;
  const uint32_t hub = Vertex(c, n, um, vm);
  const uint32_t ring = uint32_t(positions_.size());
  for (int s = 0; s < segments; ++s) {
    const float a = 2 * kPi * float(s) / float(segments);
    const float x = std::cos(a), y = std::sin(a);
    Vertex(Add(c, Add(Scale(r, x * radius), Scale(up, y * radius))), n, um + hu * x, vm - hv * y);
  }
  for (int s = 0; s < segments; ++s)
    Triangle(hub, ring + uint32_t(s), ring + uint32_t((s + 1) % segments));
}

MeshContainer ShapeBuilder::Finish(const std::string& name, std::vector<Material> materials,
                                   std::span<const std::string> boneNames,
                                   std::span<const Matrix> offsets) const {
  MeshContainer mesh;
  mesh.name = name;
  mesh.positions = positions_;
  mesh.normals = normals_;
  mesh.texCoords = uvs_;
  mesh.indices = indices_;
  mesh.triangleMaterials = triangleMaterials_;
  mesh.materials = std::move(materials);
  for (uint32_t b = 0; b < boneNames.size(); ++b) {
    Bone bone;
    bone.name = boneNames[b];
    bone.offset = offsets[b];
    for (uint32_t v = 0; v < influences_.size(); ++v) {
      const Influence& in = influences_[v];
      float w = 0;
      if (in.bone0 == b) w += in.weight0;
      if (in.bone1 == b) w += 1 - in.weight0;
      if (w <= 1e-4f) continue;
      bone.vertices.push_back(v);
      bone.weights.push_back(w);
    }
    if (!bone.vertices.empty()) mesh.bones.push_back(std::move(bone));
  }
  return mesh;
}

}  // namespace modelgen
