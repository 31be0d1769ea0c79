#pragma once
#include <cmath>

// The small vector, quaternion and pose types of the physics layer. z is up, as in the game.
namespace platform::physics {

struct Vec3 {
  float x = 0, y = 0, z = 0;

  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
  Vec3 operator-() const { return {-x, -y, -z}; }
  Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
  bool operator==(const Vec3&) const = default;
  float Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  float Length() const { return std::sqrt(Dot(*this)); }
  bool IsFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

// Rotation quaternion in the order x, y, z, w.
struct Quat {
  float x = 0, y = 0, z = 0, w = 1;
  bool operator==(const Quat&) const = default;
};

// Position and orientation of an actor or a shape.
struct Pose {
  Quat rotation;
  Vec3 translation;
};

// Axis-aligned box by its corners.
struct Bounds3 {
  Vec3 min, max;
};

}  // namespace platform::physics
