#include "player/GameServices.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleManager.h"
#include "player/LogicServices.h"
#include "sound/Sound.h"

Entity* GameServices::UserThief() const { return logic.GetPlayerEntity(); }

bool GameServices::IsRoundOver() const { return logic.IsRoundOver(); }

void GameServices::PlaySound3D(const std::string& name, Entity* at) const {
  if (Sound* sound = engine.GetSound()) sound->Play3D(name, at);
}

void GameServices::PlaySound2D(const std::string& name) const {
  if (Sound* sound = engine.GetSound()) sound->Play2D(name);
}

ParticleManager* GameServices::Particles() const {
  Graphics* graphics = engine.GetGraphics();
  return graphics ? graphics->GetParticleManager() : nullptr;
}

void GameServices::Poof(int32_t mapIndex, const platform::Vector3& position) const {
  ParticleManager* particles = Particles();
  if (!particles) return;
  ParticleEmitter* poof = particles->CreateEmitter("PoofConfig");
  poof->mapIndex = mapIndex;
  poof->origin = position;
  // The particles due at once, and no more.
  poof->Update();
  poof->spawning = 0;
}
