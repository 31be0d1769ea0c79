#pragma once
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"
#include "platform/physics/Vector.h"

// The game speaks in the maths library's types, the physics layer in its own: the one place
// where one becomes the other.
inline platform::physics::Vec3 ToPhysics(const platform::Vector3& v) { return {v.x, v.y, v.z}; }
inline platform::Vector3 FromPhysics(const platform::physics::Vec3& v) { return {v.x, v.y, v.z}; }
inline platform::physics::Quat ToPhysics(const platform::Quaternion& q) { return {q.x, q.y, q.z, q.w}; }
inline platform::Quaternion FromPhysics(const platform::physics::Quat& q) { return {q.x, q.y, q.z, q.w}; }
