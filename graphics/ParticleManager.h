#pragma once
#include <array>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/Particle.h"
#include "graphics/ParticleEmitter.h"
#include "platform/math/Vector.h"
#include "graphics/ParticleConfig.h"

namespace platform {
class RenderDevice;
class VertexBuffer;
}  // namespace platform
class TextureManager;

// a + r (b - a) with r drawn from the shared generator: a value in [a, b].
float RandomRange(float a, float b);
// A direction drawn from the cube and normalised (so not uniform over the sphere).
platform::Vector3 RandomUnitVector();
// A value with its variation: value less a random amount in [0, variation].
inline float WithVariation(float value, float variation) { return value - RandomRange(0.0f, variation); }

// The engine timer as particles count time.
float ParticleTime();
float ParticleDelta();

// Every particle effect of the game: a pool of at most 2048 particle records that circulate
// between the pool and the emitters, the emitters grouped by texture name, and the cache of
// effect configurations. Updated once per frame and drawn as point sprites, one texture switch
// per group; in the steady state nothing is allocated.
class ParticleManager {
 public:
  static constexpr int32_t kMaxParticles = 2048;

  ParticleManager();
  ~ParticleManager();
  ParticleManager(const ParticleManager&) = delete;
  ParticleManager& operator=(const ParticleManager&) = delete;

  // Fills the pool with the initial allocation and, given a device, makes the vertex buffer.
  void Init(platform::RenderDevice* device);
  // Lends up to n records to the emitter, initialised by it; logs when the pool runs dry.
  int32_t NewParticles(int32_t n, ParticleEmitter& emitter);
  void Update();
  // Draws the emitters of every map (-1) and of `currentMap` with the device's view and
  // projection.
  void Render(platform::RenderDevice& device, TextureManager& textures, int32_t currentMap);
  // Removes every emitter; their particles go back to the pool.
  void Clear();
  // Clears, frees every record and configuration and the vertex buffer.
  void Destroy();
  void RemoveEmitter(ParticleEmitter* emitter);
  // The emitter of that serial while the manager still holds it, else null.
  ParticleEmitter* FindEmitter(uint32_t serial) const;

  // A copy of the named configuration, read from "Data/" + name + ".xml" on its first use only.
  ParticleEmitterConfig GetConfig(const std::string& name, ParticleConfigForm form = ParticleConfigForm::Radius);
  // A started emitter of the given kind made from the named configuration, owned by the
  // manager; the caller sets its origin and map index and clears its spawning flag to end it.
  template <class Emitter = ParticleEmitter>
  Emitter* CreateEmitter(const std::string& name) {
    auto emitter = std::make_unique<Emitter>(*this);
    Emitter* raw = emitter.get();
    raw->config = GetConfig(name, Emitter::kConfigForm);
    raw->Start();
    AddEmitter(std::move(emitter));
    return raw;
  }

  int32_t AllocatedCount() const { return static_cast<int32_t>(records_.size()); }
  int32_t PoolSize() const { return static_cast<int32_t>(pool_.size()); }
  int32_t EmitterCount() const;

 private:
  struct Vertex {
    float x, y, z, size;
    uint32_t argb;
  };

  void AddEmitter(std::unique_ptr<ParticleEmitter> emitter);
  void ReturnToPool(ParticleEmitter& emitter);
  // Returns or restarts the particles that died before now.
  void Expire(ParticleEmitter& emitter, float now);
  void DrawEmitter(platform::RenderDevice& device, const ParticleEmitter& emitter);

  static constexpr int32_t kInitialAllocation = 0;

  std::vector<std::unique_ptr<Particle>> records_;
  std::vector<Particle*> pool_;
  std::map<std::string, std::list<std::unique_ptr<ParticleEmitter>>> groups_;
  std::map<std::string, std::unique_ptr<ParticleEmitterConfig>> configs_;
  std::unique_ptr<platform::VertexBuffer> vertexBuffer_;
  uint32_t lastSerial_ = 0;
  std::array<Vertex, kMaxParticles> vertices_;
};
