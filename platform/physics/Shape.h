#pragma once
#include <cstdint>
#include <memory>

#include "platform/physics/Flags.h"
#include "platform/physics/Vector.h"

namespace platform::physics {

class Actor;
class TriangleMesh;

enum class ShapeType : uint32_t { Sphere, Box, Capsule, Mesh };

// What a shape is made of. Box dimensions are half extents; a capsule stands along z with
// `height` the length of its straight part. A mesh shape only goes on a static actor.
struct ShapeDesc {
  ShapeType type = ShapeType::Box;
  Vec3 dimensions{1, 1, 1};
  float radius = 1;
  float height = 0;
  std::shared_ptr<const TriangleMesh> mesh;
  Pose localPose;
  uint16_t group = 0;          // collision group 0..31; character moves select groups by mask
  uint16_t materialIndex = 0;  // index into the scene's materials; unknown indices mean 0
  uint32_t flags = kShapeVisualization;  // ShapeFlag bits
  void* userData = nullptr;

  static ShapeDesc Box(const Vec3& halfExtents);
  static ShapeDesc Sphere(float radius);
  static ShapeDesc Mesh(std::shared_ptr<const TriangleMesh> mesh);
};

// One shape of an actor. Shapes belong to their actor and die with it.
class Shape {
 public:
  virtual ~Shape() = default;
  virtual Actor& GetActor() const = 0;
  virtual ShapeType GetType() const = 0;
  virtual uint16_t GetGroup() const = 0;
  virtual void SetGroup(uint16_t group) = 0;
  virtual uint32_t GetFlags() const = 0;
  bool IsTrigger() const;

  void* userData = nullptr;  // the game's own tag; the physics layer never reads it
};

}  // namespace platform::physics
