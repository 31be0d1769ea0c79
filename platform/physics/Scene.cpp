#include "platform/physics/Scene.h"

#include <cmath>

#include "platform/physics/PhysicsSdk.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/Husks.h"
#include "platform/physics/bullet/SceneImpl.h"
#include "platform/physics/bullet/Translate.h"

namespace platform::physics {

using bullet::BulletActor;

Scene::Impl::Impl(Scene& owner, const SceneDesc& desc, const PhysicsSdk& sdk)
    : owner(owner), desc(desc), sdk(sdk) {
  // A step that is not a positive time would let the simulator step by whatever time passes.
  if (!(this->desc.maxTimestep > 0) || !std::isfinite(this->desc.maxTimestep)) this->desc.maxTimestep = 1.0f / 60.0f;
  if (this->desc.maxIter < 1) this->desc.maxIter = 1;
  if (!this->desc.gravity.IsFinite()) this->desc.gravity = {};
  bullet::InstallMaterialCombiners();
  world.setGravity(bullet::ToBt(this->desc.gravity));
}

Scene::Impl::~Impl() {
  // Whatever the game still holds becomes a husk: it outlives the world safely and goes when
  // the game releases it.
  for (auto& [key, actor] : actors) {
    actor->Orphan();
    bullet::KeepHusk(std::move(actor));
  }
}

BulletActor* Scene::Impl::Adopt(std::unique_ptr<BulletActor> actor) {
  BulletActor* raw = actor.get();
  actors.emplace(raw, std::move(actor));
  return raw;
}

void Scene::Impl::Destroy(BulletActor* actor) {
  tracker.Forget(actor);
  actors.erase(actor);
}

bool Scene::Impl::ContinuousCollision() const {
  return sdk.GetParameter(kParamContinuousCollision) > 0;
}

Scene::Scene(const SceneDesc& desc, const PhysicsSdk& sdk)
    : impl_(std::make_unique<Impl>(*this, desc, sdk)) {}

Scene::~Scene() = default;

Actor* Scene::CreateActor(const ActorDesc& desc) {
  auto actor = std::make_unique<BulletActor>(*impl_, desc,
                                             desc.body ? BulletActor::Kind::Dynamic : BulletActor::Kind::Static);
  for (const ShapeDesc& shape : desc.shapes)
    if (!actor->CreateShape(shape)) return nullptr;
  return impl_->Adopt(std::move(actor));
}

void Scene::ReleaseActor(Actor* actor) {
  // Look the pointer up before touching it: it may name an actor of a world that is gone.
  if (impl_->Owns(actor)) {
    auto* ours = static_cast<BulletActor*>(actor);
    if (!ours->controller) impl_->Destroy(ours);
  } else if (bullet::IsHusk(actor) && !static_cast<BulletActor*>(actor)->controller) {
    bullet::FreeHusk(actor);
  }
}

uint32_t Scene::GetNbActors() const { return static_cast<uint32_t>(impl_->actors.size()); }

Material* Scene::GetMaterialFromIndex(uint16_t index) {
  return index < impl_->materials.size() ? &impl_->materials[index] : nullptr;
}

void Scene::SetGravity(const Vec3& gravity) {
  if (!gravity.IsFinite()) return;
  impl_->desc.gravity = gravity;
  impl_->world.setGravity(bullet::ToBt(gravity));
}

Vec3 Scene::GetGravity() const { return impl_->desc.gravity; }

void Scene::Simulate(float elapsed) {
  if (!(elapsed > 0) || !std::isfinite(elapsed)) return;
  const int steps = impl_->world.stepSimulation(elapsed, static_cast<int>(impl_->desc.maxIter),
                                                impl_->desc.maxTimestep);
  if (steps > 0) impl_->tracker.Collect(impl_->dispatcher);
}

void Scene::FetchResults() { impl_->tracker.Deliver(impl_->desc.contactReport, impl_->desc.triggerReport); }

}  // namespace platform::physics
