#pragma once
#include <btBulletDynamicsCommon.h>

#include "platform/physics/Vector.h"

// Conversions between the layer's types and the simulator's, in one place.
namespace platform::physics::bullet {

inline btVector3 ToBt(const Vec3& v) { return {v.x, v.y, v.z}; }
inline Vec3 FromBt(const btVector3& v) { return {v.x(), v.y(), v.z()}; }
inline btQuaternion ToBt(const Quat& q) { return {q.x, q.y, q.z, q.w}; }
inline Quat FromBt(const btQuaternion& q) { return {q.x(), q.y(), q.z(), q.w()}; }
inline btTransform ToBt(const Pose& p) { return btTransform(ToBt(p.rotation), ToBt(p.translation)); }
inline Pose FromBt(const btTransform& t) { return {FromBt(t.getRotation()), FromBt(t.getOrigin())}; }

// Broadphase groups. Static objects never meet each other or the controllers' proxies (the
// controllers sweep against them instead); static triggers do see the proxies.
enum FilterGroup : int {
  kFilterStatic = 1 << 6,
  kFilterStaticTrigger = 1 << 7,
  kFilterDynamic = 1 << 8,
  kFilterProxy = 1 << 9,
  kFilterAll = kFilterStatic | kFilterStaticTrigger | kFilterDynamic | kFilterProxy,
};

}  // namespace platform::physics::bullet
