#include "graphics/ParticleEmitter.h"

#include <cmath>

#include "graphics/ParticleManager.h"

namespace {

template <class Key>
const std::vector<Key>& KeysOr(const std::vector<Key>& keys, const std::vector<Key>& fallback) {
  return keys.empty() ? fallback : keys;
}

}  // namespace

void ParticleEmitter::Start() {
  spawnClock = 0.0f;
  nextSpawnTime = 0.0f;
  spawning = 1;
}

void ParticleEmitter::PlaceAtRadius(Particle& p) {
  const float radius = WithVariation(config.maxRadius, config.radiusVariation);
  p.position = origin + RandomUnitVector() * radius;
}

void ParticleEmitter::StartLife(Particle& p) {
  p.death = ParticleTime() + WithVariation(config.maxLife, config.lifeVariation);
  StartKeys(KeysOr(config.colorKeys, kNoColorKeys), p.colour);
  StartKeys(KeysOr(config.speedKeys, kNoSpeedKeys), p.speed);
  StartKeys(KeysOr(config.sizeKeys, kNoSizeKeys), p.size);
  // A recycled record would otherwise fly its first frame with its previous life's velocity.
  p.velocity = p.direction * p.speed.value[0];
}

void ParticleEmitter::InitParticle(Particle& p) {
  PlaceAtRadius(p);
  p.direction = RandomUnitVector();
  StartLife(p);
}

void ParticleEmitter::Update() {
  spawnClock += ParticleDelta();
  SpawnAndMove();
}

void ParticleEmitter::SpawnAndMove() {
  while (spawning) {
    if (spawnClock < nextSpawnTime || Count() >= config.maxCount) break;
    const int32_t made = manager_.NewParticles(1, *this);
    nextSpawnTime += WithVariation(config.maxSpawnDelay, config.spawnVariation);
    if (made == 0) break;
  }
  MoveParticles();
  if (particles.empty() && !spawning) finished = 1;
}

void ParticleEmitter::MoveParticles() {
  const float delta = ParticleDelta();
  const float now = ParticleTime();
  for (Particle* p : particles) {
    p->position += p->velocity * delta;
    const float life = p->death - p->birth;
    float age = life > 0.0f ? (now - p->birth) / life : 1.0f;
    if (age > 1.0f) age = 1.0f;
    FollowKeys(config.sizeKeys, age, p->size);
    FollowKeys(config.colorKeys, age, p->colour);
    FollowKeys(config.speedKeys, age, p->speed);
    p->velocity = p->direction * p->speed.value[0];
  }
}

void TaserShotEffect::InitParticle(Particle& p) {
  p.position = origin;
  p.direction = RandomUnitVector();
  StartLife(p);
}

void TaserShotEffect::Update() {
  MoveParticles();
  if (particles.empty()) finished = 1;
}

void TaserShotEffect::EmitAlongRay(const platform::Vector3& start, const platform::Vector3& direction,
                                   float length) {
  origin = start;
  beamDirection = direction;
  const float spacing = WithVariation(config.maxRadius, config.radiusVariation);
  // A spacing of zero or less (or a length that is not a number) would never reach the end of
  // the beam; no beam is laid then, and no beam holds more particles than the pool.
  if (!(spacing > 0.0f) || !(length > 0.0f)) return;
  const float steps = std::floor(length / spacing);
  const int32_t count = steps < float(ParticleManager::kMaxParticles) ? static_cast<int32_t>(steps)
                                                                        : ParticleManager::kMaxParticles;
  for (int32_t i = 0; i < count; ++i) {
    manager_.NewParticles(1, *this);
    if (!particles.empty()) particles.back()->position = start + direction * (float(i) * spacing);
  }
}

void TasedEffect::InitParticle(Particle& p) {
  PlaceAtRadius(p);
  p.direction = platform::Vec3Normalize(p.position - origin);
  StartLife(p);
}

void TasedEffect::Update() {
  spawnClock += ParticleDelta();
  if (ParticleTime() > stopTime) spawning = 0;
  SpawnAndMove();
}
