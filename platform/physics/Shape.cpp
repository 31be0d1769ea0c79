#include "platform/physics/Shape.h"

#include "platform/physics/TriangleMesh.h"

namespace platform::physics {

ShapeDesc ShapeDesc::Box(const Vec3& halfExtents) {
  ShapeDesc d;
  d.type = ShapeType::Box;
  d.dimensions = halfExtents;
  return d;
}

ShapeDesc ShapeDesc::Sphere(float radius) {
  ShapeDesc d;
  d.type = ShapeType::Sphere;
  d.radius = radius;
  return d;
}

ShapeDesc ShapeDesc::Mesh(std::shared_ptr<const TriangleMesh> mesh) {
  ShapeDesc d;
  d.type = ShapeType::Mesh;
  d.mesh = std::move(mesh);
  return d;
}

bool Shape::IsTrigger() const { return (GetFlags() & kTriggerEnable) != 0; }

}  // namespace platform::physics
