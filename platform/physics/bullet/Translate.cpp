#include "platform/physics/bullet/Translate.h"

#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cmath>

#include "platform/physics/Material.h"
#include "platform/physics/bullet/BulletActor.h"

namespace platform::physics::bullet {
namespace {

const Material* MaterialOf(const btCollisionObject* object) {
  const BulletActor* actor = ActorOf(object);
  return actor && actor->Owner() ? &actor->SurfaceMaterial() : nullptr;
}

// The average of one material value of two objects; objects the layer did not make bring their
// own simulator value.
template <float (Material::*kValue)() const, btScalar (btCollisionObject::*kOwn)() const>
btScalar Average(const btCollisionObject* a, const btCollisionObject* b) {
  const auto value = [](const btCollisionObject* o) {
    const Material* m = MaterialOf(o);
    return m ? (m->*kValue)() : (o->*kOwn)();
  };
  return (value(a) + value(b)) * 0.5f;
}

}  // namespace

float DampingToSimulator(float gameDamping) {
  if (!(gameDamping > 0)) return 0;
  return std::clamp(1.0f - std::exp(-gameDamping), 0.0f, 1.0f);
}

void InstallMaterialCombiners() {
  gCalculateCombinedFrictionCallback = &Average<&Material::GetDynamicFriction, &btCollisionObject::getFriction>;
  gCalculateCombinedRestitutionCallback = &Average<&Material::GetRestitution, &btCollisionObject::getRestitution>;
}

}  // namespace platform::physics::bullet
