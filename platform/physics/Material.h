#pragma once

namespace platform::physics {

// Surface properties of the shapes that name this material. Two touching shapes combine their
// values by averaging them (the rule the game's numbers were tuned with); the simulator's
// friction is the combined dynamic friction.
class Material {
 public:
  void SetRestitution(float value) { restitution_ = value; }
  void SetStaticFriction(float value) { staticFriction_ = value; }
  void SetDynamicFriction(float value) { dynamicFriction_ = value; }
  float GetRestitution() const { return restitution_; }
  float GetStaticFriction() const { return staticFriction_; }
  float GetDynamicFriction() const { return dynamicFriction_; }

 private:
  float restitution_ = 0;
  float staticFriction_ = 0;
  float dynamicFriction_ = 0;
};

}  // namespace platform::physics
