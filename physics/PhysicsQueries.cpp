#include <cmath>

#include "entity/Entity.h"
#include "map/ClusterMap.h"
#include "physics/ClusterInfo.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "physics/PhysicsMath.h"
#include "physics/PhysicsSeams.h"
#include "platform/physics/Scene.h"

namespace pp = platform::physics;

bool Physics::RayCast(float ox, float oy, float oz, float dx, float dy, float dz, RayHit* hit) const {
  pp::Scene* scene = GetScene();
  if (!scene) return false;
  // The direction goes on as given; the world treats a zero or non-finite one as a miss.
  const pp::Ray ray{{ox, oy, oz}, {dx, dy, dz}};
  pp::RaycastHit result;
  pp::Shape* shape = scene->RaycastClosestShape(ray, pp::kAllShapes, result);
  RayHit unused;
  if (!hit) hit = &unused;
  hit->distance = result.distance;
  hit->normal = FromPhysics(result.worldNormal);
  hit->point = FromPhysics(result.worldImpact);
  if (!shape) return false;
  hit->entity = EntityOfActor(&shape->GetActor());
  return true;
}

bool Physics::BoxOverlapsStatic(float cx, float cy, float cz, float hx, float hy, float hz) const {
  pp::Scene* scene = GetScene();
  if (!scene) return false;
  const pp::Vec3 centre{cx, cy, cz};
  const pp::Vec3 half{std::fabs(hx), std::fabs(hy), std::fabs(hz)};
  if (!centre.IsFinite() || !half.IsFinite()) return false;
  return scene->CheckOverlapAabb({centre - half, centre + half}, pp::kStaticShapes);
}

void Physics::UpdateClusters() {
  for (ClusterInfo* info : clusterInfos_) {
    auto* physical = info->owner ? info->owner->Find<PhysicalComp>() : nullptr;
    if (!physical) continue;
    info->cluster = currentMap_ ? currentMap_->GetClusterAt(physical->GetPosition()) : 0;
  }
  if (currentMap_) currentMap_->UpdateCameraCluster(graphics_ ? graphics_->GetCameraReference() : nullptr);
}
