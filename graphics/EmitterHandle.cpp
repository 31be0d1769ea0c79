#include "graphics/EmitterHandle.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleManager.h"

void EmitterHandle::Set(const ParticleEmitter* emitter) { serial_ = emitter ? emitter->serial : 0; }

ParticleEmitter* EmitterHandle::Get() const {
  // Holders let go of their emitters in destructors that may run after the engine's end.
  Engine* engine = Engine::Current();
  Graphics* graphics = engine ? engine->GetGraphics() : nullptr;
  ParticleManager* manager = graphics ? graphics->GetParticleManager() : nullptr;
  return manager ? manager->FindEmitter(serial_) : nullptr;
}

void EmitterHandle::Stop() {
  if (ParticleEmitter* emitter = Get()) emitter->spawning = 0;
  serial_ = 0;
}
