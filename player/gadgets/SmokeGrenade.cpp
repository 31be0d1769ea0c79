#include "player/gadgets/SmokeGrenade.h"

#include "graphics/ParticleEmitter.h"
#include "graphics/ParticleManager.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/PlayerMessages.h"

void SmokeGrenade::Describe(ClassBuilder<SmokeGrenade>& c) {
  c.Component(&SmokeGrenade::physical);
  c.Component(&SmokeGrenade::model);
  c.Component(&SmokeGrenade::bounds);
  c.Component(&SmokeGrenade::cluster);
  c.Component(&SmokeGrenade::mapIndex);
  c.Message(kOnUpdate, &SmokeGrenade::OnUpdate);
  c.Message(kDestroy, &SmokeGrenade::Destroy);
  c.Field("PhysicalComp", &SmokeGrenade::physical);
}

SmokeGrenade::~SmokeGrenade() {
  services_.logic.UnregisterEntity(kClassName, *this);
  cloud.Stop();
  trail.Stop();
}

void SmokeGrenade::OnCreate() {
  model.Load("smokebomb");
  services_.engine.GetMessageQueue()->Post(this, kDestroy, kLife);
  services_.engine.GetMessageQueue()->RegisterUpdate(this);
  services_.logic.RegisterEntity(kClassName, *this);
  if (ParticleManager* particles = services_.Particles()) trail.Set(particles->CreateEmitter("smokeTrailConfig"));
}

void SmokeGrenade::OnUpdate() {
  const auto map = static_cast<int32_t>(mapIndex.mapIndex);
  if (ParticleEmitter* emitter = trail.Get()) {
    emitter->origin = physical.GetPosition();
    emitter->mapIndex = map;
  }
  if (!smoking && platform::Vec3LengthSq(physical.GetVelocity()) < kAtRest) {
    // Only the thief's own map hears it.
    Entity* user = services_.UserThief();
    auto* userMap = user ? user->Find<MapIndexComp>() : nullptr;
    if (userMap && userMap->mapIndex == mapIndex.mapIndex) services_.PlaySound3D("smoke", this);
    smoking = true;
    if (ParticleManager* particles = services_.Particles()) {
      ParticleEmitter* smoke = particles->CreateEmitter("smokeConfig");
      smoke->mapIndex = map;
      cloud.Set(smoke);
    }
    trail.Stop();
  }
  if (ParticleEmitter* emitter = cloud.Get()) emitter->origin = physical.GetPosition();
}

void SmokeGrenade::Destroy() { services_.engine.GetEntityManager()->QueueDelete(this); }
