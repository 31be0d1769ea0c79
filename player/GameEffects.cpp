#include "player/GameEffects.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleManager.h"
#include "sound/Sound.h"

void PlaySound3D(const std::string& name, Entity* at) {
  if (Sound* sound = Engine::Get()->GetSound()) sound->Play3D(name, at);
}

void PlaySound2D(const std::string& name) {
  if (Sound* sound = Engine::Get()->GetSound()) sound->Play2D(name);
}

ParticleManager* Particles() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetParticleManager() : nullptr;
}

void Poof(int32_t mapIndex, const platform::Vector3& position) {
  ParticleManager* particles = Particles();
  if (!particles) return;
  ParticleEmitter* poof = particles->CreateEmitter("PoofConfig");
  poof->mapIndex = mapIndex;
  poof->origin = position;
  // The particles due at once, and no more.
  poof->Update();
  poof->spawning = 0;
}
