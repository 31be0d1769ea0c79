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

btScalar AverageFriction(const btCollisionObject* a, const btCollisionObject* b) {
  const Material* ma = MaterialOf(a);
  const Material* mb = MaterialOf(b);
  const float fa = ma ? ma->GetDynamicFriction() : a->getFriction();
  const float fb = mb ? mb->GetDynamicFriction() : b->getFriction();
  return (fa + fb) * 0.5f;
}

btScalar AverageRestitution(const btCollisionObject* a, const btCollisionObject* b) {
  const Material* ma = MaterialOf(a);
  const Material* mb = MaterialOf(b);
  const float ra = ma ? ma->GetRestitution() : a->getRestitution();
  const float rb = mb ? mb->GetRestitution() : b->getRestitution();
  return (ra + rb) * 0.5f;
}

}  // namespace

float DampingToSimulator(float gameDamping) {
  if (!(gameDamping > 0)) return 0;
  return std::clamp(1.0f - std::exp(-gameDamping), 0.0f, 1.0f);
}

void InstallMaterialCombiners() {
  gCalculateCombinedFrictionCallback = &AverageFriction;
  gCalculateCombinedRestitutionCallback = &AverageRestitution;
}

}  // namespace platform::physics::bullet
