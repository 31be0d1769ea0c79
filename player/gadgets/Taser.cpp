#include "player/gadgets/Taser.h"

#include "engine/Engine.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/ParticleManager.h"
#include "physics/Physics.h"
#include "player/GameServices.h"
#include "player/Player.h"
#include "player/LogicServices.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/AimDirection.h"
#include "player/gadgets/GadgetEnt.h"

using platform::Vector3;

namespace {

constexpr float kRayStartAhead = 10.0f;
constexpr float kGuardCrackle = 70.0f;
constexpr float kAgentCrackle = 50.0f;
constexpr float kObjectCrackle = 20.0f;

// Sparks about the hit entity for the stun's length; null without graphics.
TasedEffect* Crackle(const GameServices& services, Entity* target, int32_t mapIndex) {
  ParticleManager* particles = services.Particles();
  if (!particles) return nullptr;
  TasedEffect* crackle = particles->CreateEmitter<TasedEffect>("TasedConfig");
  if (auto* physical = target->Find<PhysicalComp>()) crackle->origin = physical->GetPosition();
  crackle->stopTime = ParticleTime() + Taser::kStunSeconds;
  crackle->mapIndex = mapIndex;
  return crackle;
}

// Freezes an agent for the stun's length (the game logic ends the freeze, if the agent is still
// there then). Returns the crackle's radius, or 0 to keep the
// configured one (a guard that started asleep or in the dark only feels it).
float Stun(const GameServices& services, Entity* target, AIComponent& agent) {
  agent.tased = 1;
  const bool guard = agent.kind == "guard";
  auto* info = target->Find<PlayerInfo>();
  if (guard && info && info->outfit > 0) return 0.0f;
  if (auto* physical = target->Find<PhysicalComp>()) physical->RequestFreeze();
  services.logic.UnfreezeLater(*target, Taser::kStunSeconds);
  return guard ? kGuardCrackle : kAgentCrackle;
}

}  // namespace

void Taser::Fire(GadgetEnt* gadget) {
  Player* thief = gadget->gadget.GetPlayer();
  if (!thief || thief->info.battery < kBatteryNeeded) return;
  const GameServices& services = gadget->Services();
  const Vector3 direction = AimDirection(gadget->gadget.aimDirection);
  const Vector3 origin = gadget->physical.GetPosition() + direction * kRayStartAhead;
  Physics* physics = services.engine.GetPhysics();
  RayHit hit;
  if (!physics || !physics->RayCast(origin.x, origin.y, origin.z, direction.x, direction.y, direction.z, &hit)) return;
  thief->info.SpendBattery(kBatteryPerShot);
  const auto mapIndex = static_cast<int32_t>(thief->mapIndex.mapIndex);
  if (ParticleManager* particles = services.Particles()) {
    TaserShotEffect* beam = particles->CreateEmitter<TaserShotEffect>("TaserConfig");
    beam->mapIndex = mapIndex;
    beam->EmitAlongRay(origin, direction, hit.distance);
  }
  services.PlaySound3D("taser shoot", gadget);
  Entity* target = hit.entity;
  if (!target || target == thief) return;
  services.engine.GetConsole()->Print(target->GetClassName(), 0);
  TasedEffect* crackle = Crackle(services, target, mapIndex);
  float radius = kObjectCrackle;
  if (auto* agent = target->Find<AIComponent>()) {
    radius = Stun(services, target, *agent);
  } else {
    target->Send(kDisable, kStunSeconds);
  }
  if (crackle && radius > 0.0f) crackle->config.maxRadius = radius;
}
