#pragma once
#include <cstdint>
#include <vector>

#include "graphics/Particle.h"
#include "platform/math/Vector.h"
#include "graphics/ParticleConfig.h"

class ParticleManager;

// A particle effect in the world: spawns particles from the manager's pool over time while
// spawning is on, moves them along their key curves, and is finished (and removed by the
// manager) once spawning is off and no particle is left. Its owner sets the origin, map index,
// loop flag and spawning flag; the manager owns the emitter itself.
class ParticleEmitter {
 public:
  static constexpr ParticleConfigForm kConfigForm = ParticleConfigForm::Radius;

  explicit ParticleEmitter(ParticleManager& manager) : manager_(manager) {}
  virtual ~ParticleEmitter() = default;
  ParticleEmitter(const ParticleEmitter&) = delete;
  ParticleEmitter& operator=(const ParticleEmitter&) = delete;

  virtual void Start();
  // Places a particle taken from the pool and starts its life and key curves.
  virtual void InitParticle(Particle& particle);
  // Once per frame from the manager: spawn what is due, move the particles.
  virtual void Update();

  int32_t Count() const { return static_cast<int32_t>(particles.size()); }

  uint8_t finished = 0;
  // Expired particles start again in place instead of going back to the pool.
  uint8_t loop = 0;
  // Oldest first; the manager appends new particles and unlinks expired ones.
  std::vector<Particle*> particles;
  platform::Vector3 origin;
  // The loaded map the effect is drawn in; -1 draws it in every map.
  int32_t mapIndex = -1;
  ParticleEmitterConfig config;
  float spawnClock = 0.0f;
  float nextSpawnTime = 0.0f;
  uint8_t spawning = 0;
  // Given by the manager when it takes the emitter, never reused: holders of an emitter find
  // it by this (EmitterHandle), since the manager deletes emitters when they finish or clear.
  uint32_t serial = 0;

 protected:
  // The spawn loop, the move and the finished test of a frame whose clock has been advanced.
  void SpawnAndMove();
  void MoveParticles();
  // The base placement: origin plus the spawn radius along a random direction.
  void PlaceAtRadius(Particle& particle);
  void StartLife(Particle& particle);

  ParticleManager& manager_;
};

// The taser's beam: a line of particles laid once along the shot, which then live out their
// lives; it never spawns by time.
class TaserShotEffect : public ParticleEmitter {
 public:
  // The spawn radius of the record is the beam's spacing, and its file says so.
  static constexpr ParticleConfigForm kConfigForm = ParticleConfigForm::Spacing;

  using ParticleEmitter::ParticleEmitter;

  void Start() override {}
  void InitParticle(Particle& particle) override;
  void Update() override;

  // One particle every spacing (the spawn radius with its variation) from start along
  // direction, as far as length reaches.
  void EmitAlongRay(const platform::Vector3& start, const platform::Vector3& direction, float length);

  platform::Vector3 beamDirection;
};

// Sparks on a tased target, flying straight out from the origin until the stop time.
class TasedEffect : public ParticleEmitter {
 public:
  using ParticleEmitter::ParticleEmitter;

  void InitParticle(Particle& particle) override;
  void Update() override;

  float stopTime = 0.0f;  // engine time
};
