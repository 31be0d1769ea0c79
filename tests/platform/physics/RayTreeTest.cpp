#include "platform/physics/bullet/RayTree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace physics_test {
namespace {

using platform::physics::Vec3;
using platform::physics::bullet::RayTree;

struct Soup {
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;

  void Add(const Vec3& a, const Vec3& b, const Vec3& c) {
    for (const Vec3& v : {a, b, c}) {
      indices.push_back(static_cast<uint32_t>(vertices.size()));
      vertices.push_back(v);
    }
  }
  RayTree Tree() const {
    RayTree tree;
    tree.Build(vertices, indices);
    return tree;
  }
};

// Plane first, then the point inside by the signs of three edge tests, in double precision:
// a different route to the same answer than the tree's.
std::optional<double> Oracle(const Soup& soup, uint32_t triangle, const Vec3& from, const Vec3& dir) {
  const auto at = [&](int corner) {
    const Vec3& v = soup.vertices[soup.indices[3 * triangle + corner]];
    return std::array<double, 3>{v.x, v.y, v.z};
  };
  const auto a = at(0), b = at(1), c = at(2);
  const auto sub = [](auto p, auto q) { return std::array<double, 3>{p[0] - q[0], p[1] - q[1], p[2] - q[2]}; };
  const auto cross = [](auto p, auto q) {
    return std::array<double, 3>{p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
  };
  const auto dot = [](auto p, auto q) { return p[0] * q[0] + p[1] * q[1] + p[2] * q[2]; };
  const std::array<double, 3> o{from.x, from.y, from.z}, d{dir.x, dir.y, dir.z};
  const auto n = cross(sub(b, a), sub(c, a));
  const double along = dot(n, d);
  if (along == 0) return std::nullopt;
  const double t = dot(n, sub(a, o)) / along;
  if (t <= 0) return std::nullopt;
  const std::array<double, 3> p{o[0] + d[0] * t, o[1] + d[1] * t, o[2] + d[2] * t};
  const double e0 = dot(n, cross(sub(b, a), sub(p, a)));
  const double e1 = dot(n, cross(sub(c, b), sub(p, b)));
  const double e2 = dot(n, cross(sub(a, c), sub(p, c)));
  if (e0 < 0 || e1 < 0 || e2 < 0) return std::nullopt;
  return t;
}

Vec3 Unit(const Vec3& v) { return v * (1.0f / v.Length()); }

TEST(RayTree, FindsTheSameClosestTriangleAsTryingEveryOne) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> place(-1000, 1000), size(-60, 60), turn(-1, 1);
  Soup soup;
  for (int i = 0; i < 3000; ++i) {
    const Vec3 a{place(random), place(random), place(random)};
    soup.Add(a, a + Vec3{size(random), size(random), size(random)}, a + Vec3{size(random), size(random), size(random)});
  }
  const RayTree tree = soup.Tree();
  int hits = 0;
  for (int r = 0; r < 2000; ++r) {
    const Vec3 from{place(random), place(random), place(random)};
    const Vec3 dir = Unit({turn(random), turn(random), turn(random)});
    std::optional<double> closest;
    uint32_t closestTriangle = 0;
    for (uint32_t t = 0; t < soup.indices.size() / 3; ++t) {
      const auto d = Oracle(soup, t, from, dir);
      if (d && *d < 5000 && (!closest || *d < *closest)) closest = d, closestTriangle = t;
    }
    RayTree::Hit hit;
    ASSERT_EQ(tree.Closest(from, dir, 5000, hit), closest.has_value()) << "ray " << r;
    if (!closest) continue;
    ++hits;
    EXPECT_EQ(hit.triangle, closestTriangle) << "ray " << r;
    EXPECT_NEAR(hit.distance, *closest, 1e-3 * *closest) << "ray " << r;
    EXPECT_LE(hit.normal.Dot(dir), 0.0f);
    EXPECT_NEAR(hit.normal.Length(), 1.0f, 1e-5f);
  }
  EXPECT_GT(hits, 200);  // the comparison saw real hits, not only misses
}

TEST(RayTree, TwoSidedWithinReachAndNotFromItsOwnPlane) {
  Soup soup;
  soup.Add({-10, -10, 0}, {10, -10, 0}, {-10, 10, 0});
  soup.Add({10, -10, 0}, {10, 10, 0}, {-10, 10, 0});
  const RayTree tree = soup.Tree();
  RayTree::Hit hit;
  ASSERT_TRUE(tree.Closest({1, 1, 50}, {0, 0, -1}, 100, hit));
  EXPECT_FLOAT_EQ(hit.distance, 50);
  EXPECT_FLOAT_EQ(hit.normal.z, 1);
  ASSERT_TRUE(tree.Closest({1, 1, -50}, {0, 0, 1}, 100, hit));
  EXPECT_FLOAT_EQ(hit.normal.z, -1);
  EXPECT_FALSE(tree.Closest({1, 1, 50}, {0, 0, -1}, 49, hit));
  EXPECT_FALSE(tree.Closest({1, 1, 0}, {0, 0, -1}, 100, hit));
  EXPECT_FALSE(tree.Closest({1, 1, 0}, Unit({1, 1, 0}), 100, hit));
}

// A ray down the diagonal two triangles share must not pass between them.
TEST(RayTree, RaysAlongASharedEdgeHit) {
  Soup soup;
  soup.Add({0, 0, 0}, {10, 0, 0}, {0, 10, 0});
  soup.Add({10, 0, 0}, {10, 10, 0}, {0, 10, 0});
  const RayTree tree = soup.Tree();
  RayTree::Hit hit;
  for (float s = 0.05f; s < 1; s += 0.05f) {
    EXPECT_TRUE(tree.Closest({10 * s, 10 - 10 * s, 20}, {0, 0, -1}, 100, hit)) << s;
  }
}

// Nested shells of growing size make every cut lopsided, and a pile of identical triangles
// cannot be cut by position at all: the tree must stay shallow enough to walk either way.
TEST(RayTree, LopsidedAndCoincidentTrianglesStayWalkable) {
  Soup shells;
  float size = 1;
  for (int i = 0; i < 2000; ++i, size *= 1.01f) shells.Add({size, -size, -size}, {size, size, -size}, {size, 0, size});
  RayTree::Hit hit;
  ASSERT_TRUE(shells.Tree().Closest({0, 0, 0}, {1, 0, 0}, 1e9f, hit));
  EXPECT_EQ(hit.triangle, 0u);

  Soup pile;
  for (int i = 0; i < 5000; ++i) pile.Add({0, 0, 0}, {10, 0, 0}, {0, 10, 0});
  ASSERT_TRUE(pile.Tree().Closest({1, 1, 5}, {0, 0, -1}, 100, hit));
  EXPECT_FLOAT_EQ(hit.distance, 5);
}

}  // namespace
}  // namespace physics_test
