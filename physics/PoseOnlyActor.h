#pragma once
#include "platform/physics/Actor.h"

// The actor of a PhysicalComp before its world actor exists, and for life where none is made
// (spawn points, drop-offs, player starts ...): it only keeps a pose and a velocity, so callers
// never ask which kind of actor they hold. Its orientation starts as (0, 0, 1, 0) and its global
// pose is the identity whatever it holds.
class PoseOnlyActor : public platform::physics::Actor {
 public:
  platform::physics::Scene* GetScene() const override;
  void SetGlobalPosition(const platform::physics::Vec3& p) override { position_ = p; }
  platform::physics::Vec3 GetGlobalPosition() const override { return position_; }
  void SetGlobalOrientationQuat(const platform::physics::Quat& q) override { orientation_ = q; }
  platform::physics::Quat GetGlobalOrientationQuat() const override { return orientation_; }
  platform::physics::Pose GetGlobalPose() const override { return {}; }
  void SetLinearVelocity(const platform::physics::Vec3& v) override { velocity_ = v; }
  platform::physics::Vec3 GetLinearVelocity() const override { return velocity_; }
  platform::physics::Shape* CreateShape(const platform::physics::ShapeDesc&) override { return nullptr; }
  void ReleaseShape(platform::physics::Shape&) override {}
  uint32_t GetNbShapes() const override { return 0; }
  platform::physics::Shape* const* GetShapes() const override { return nullptr; }
  bool IsDynamic() const override { return false; }
  void RaiseActorFlag(uint32_t) override {}
  void ClearActorFlag(uint32_t) override {}
  void RaiseBodyFlag(uint32_t) override {}
  void ClearBodyFlag(uint32_t) override {}

 private:
  platform::physics::Vec3 position_;
  platform::physics::Vec3 velocity_;
  platform::physics::Quat orientation_{0, 0, 1, 0};
};
