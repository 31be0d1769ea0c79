#include "graphics/ParticleManager.h"

#include "engine/Engine.h"
#include "graphics/TextureManager.h"
#include "platform/core/Random.h"
#include "platform/math/Matrix.h"
#include "platform/render/Buffers.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/VertexLayout.h"

namespace {

// The float nearest 1 / 32767, as the effects were tuned with.
constexpr float kRandScale = 3.051851e-5f;

float UnitDraw() { return 2.0f * float(platform::Random()) * kRandScale - 1.0f; }

// Truncated and masked to its low byte; values no integer holds (bad data) give 0.
uint32_t ColourByte(float channel) {
  const float scaled = channel * 255.0f;
  if (!(scaled > -2147483520.0f && scaled < 2147483520.0f)) return 0;
  return static_cast<uint32_t>(static_cast<int32_t>(scaled)) & 0xFF;
}

}  // namespace

float RandomRange(float a, float b) { return a + float(platform::Random()) * kRandScale * (b - a); }

platform::Vector3 RandomUnitVector() {
  const float r1 = UnitDraw();
  const float r2 = UnitDraw();
  const float r3 = UnitDraw();
  return platform::Vec3Normalize({r3, r2, r1});
}

float ParticleTime() { return static_cast<float>(Engine::Get()->GetTimer()->GetTime()); }
float ParticleDelta() { return static_cast<float>(Engine::Get()->GetTimer()->GetDelta()); }

ParticleManager::ParticleManager() {
  records_.reserve(kMaxParticles);
  pool_.reserve(kMaxParticles);
}

ParticleManager::~ParticleManager() { Destroy(); }

void ParticleManager::Init(platform::RenderDevice* device) {
  while (AllocatedCount() < kInitialAllocation) {
    records_.push_back(std::make_unique<Particle>());
    pool_.push_back(records_.back().get());
  }
  if (device) {
    vertexBuffer_ = std::make_unique<platform::VertexBuffer>(*device, sizeof(Vertex) * kMaxParticles,
                                                             platform::BufferUsage::Dynamic);
  }
}

int32_t ParticleManager::NewParticles(int32_t n, ParticleEmitter& emitter) {
  const int32_t available = kMaxParticles - AllocatedCount() + PoolSize();
  if (n > available) {
    n = available;
    Engine::Get()->GetLog()->Write("GraphicsLog", "Max particle count reached", 2);
  }
  while (PoolSize() < n) {
    records_.push_back(std::make_unique<Particle>());
    pool_.push_back(records_.back().get());
  }
  const float now = ParticleTime();
  for (int32_t i = 0; i < n; ++i) {
    Particle* p = pool_.back();
    emitter.particles.push_back(p);
    p->birth = now;
    emitter.InitParticle(*p);
    pool_.pop_back();
  }
  return n < 0 ? 0 : n;
}

void ParticleManager::Update() {
  for (auto& [texture, emitters] : groups_) {
    for (auto it = emitters.begin(); it != emitters.end();) {
      ParticleEmitter& emitter = **it;
      emitter.Update();
      Expire(emitter, ParticleTime());
      if (emitter.finished == 1) {
        ReturnToPool(emitter);
        it = emitters.erase(it);
      } else {
        ++it;
      }
    }
  }
}

void ParticleManager::Expire(ParticleEmitter& emitter, float now) {
  auto kept = emitter.particles.begin();
  for (Particle* p : emitter.particles) {
    if (!(p->death < now)) {
      *kept++ = p;
    } else if (emitter.loop) {
      p->birth = now;
      emitter.InitParticle(*p);
      *kept++ = p;
    } else {
      pool_.push_back(p);
    }
  }
  emitter.particles.erase(kept, emitter.particles.end());
}

void ParticleManager::ReturnToPool(ParticleEmitter& emitter) {
  pool_.insert(pool_.end(), emitter.particles.begin(), emitter.particles.end());
  emitter.particles.clear();
}

void ParticleManager::RemoveEmitter(ParticleEmitter* emitter) {
  for (auto& [texture, emitters] : groups_) {
    for (auto it = emitters.begin(); it != emitters.end(); ++it) {
      if (it->get() != emitter) continue;
      ReturnToPool(*emitter);
      emitters.erase(it);
      return;
    }
  }
}

void ParticleManager::Clear() {
  for (auto& [texture, emitters] : groups_) {
    for (auto& emitter : emitters) ReturnToPool(*emitter);
    emitters.clear();
  }
}

void ParticleManager::Destroy() {
  Clear();
  pool_.clear();
  records_.clear();
  configs_.clear();
  groups_.clear();
  vertexBuffer_.reset();
}

int32_t ParticleManager::EmitterCount() const {
  size_t count = 0;
  for (const auto& [texture, emitters] : groups_) count += emitters.size();
  return static_cast<int32_t>(count);
}

ParticleEmitterConfig ParticleManager::GetConfig(const std::string& name, ParticleConfigForm form) {
  std::unique_ptr<ParticleEmitterConfig>& cached = configs_[name];
  if (!cached) {
    cached = std::make_unique<ParticleEmitterConfig>();
    LoadParticleConfig(name, *cached, form);
  }
  return *cached;
}

ParticleEmitter* ParticleManager::FindEmitter(uint32_t serial) const {
  if (serial == 0) return nullptr;
  for (const auto& [texture, emitters] : groups_) {
    for (const auto& emitter : emitters) {
      if (emitter->serial == serial) return emitter.get();
    }
  }
  return nullptr;
}

void ParticleManager::AddEmitter(std::unique_ptr<ParticleEmitter> emitter) {
  emitter->serial = ++lastSerial_;
  groups_[emitter->config.textureName].push_back(std::move(emitter));
}

void ParticleManager::Render(platform::RenderDevice& device, TextureManager& textures, int32_t currentMap) {
  if (AllocatedCount() == PoolSize() || !vertexBuffer_) return;
  platform::RenderState s = device.GetState();
  s.pointSprite = true;
  s.zWrite = false;
  s.alphaBlend = true;
  s.srcBlend = platform::BlendFactor::SrcAlpha;
  s.destBlend = platform::BlendFactor::InvSrcAlpha;
  // Sizes are in world units and fall off as 1 / distance.
  s.pointScale = true;
  s.pointSizeMin = 1.0f;
  s.pointScaleA = 0.0f;
  s.pointScaleB = 0.0f;
  s.pointScaleC = 1.0f;
  device.SetState(s);
  const platform::Matrix identity = platform::MatrixIdentity();
  device.SetTransform(platform::TransformKind::World, identity.Data());
  for (const auto& [texture, emitters] : groups_) {
    device.SetTexture(textures.GetOrLoad(texture));
    for (const auto& emitter : emitters) {
      if (emitter->mapIndex == -1 || emitter->mapIndex == currentMap) DrawEmitter(device, *emitter);
    }
  }
  s.pointSprite = false;
  s.zWrite = true;
  s.alphaBlend = false;
  s.pointScale = false;
  device.SetState(s);
}

void ParticleManager::DrawEmitter(platform::RenderDevice& device, const ParticleEmitter& emitter) {
  const int32_t count = emitter.Count();
  if (count == 0) return;
  // The first particle of the list goes to the last slot.
  for (int32_t i = 0; i < count; ++i) {
    const Particle& p = *emitter.particles[i];
    const float* c = p.colour.value;
    vertices_[count - 1 - i] = {p.position.x, p.position.y, p.position.z, p.size.value[0],
                                ColourByte(c[3]) << 24 | ColourByte(c[0]) << 16 | ColourByte(c[1]) << 8 |
                                    ColourByte(c[2])};
  }
  vertexBuffer_->Write(0, vertices_.data(), sizeof(Vertex) * count, true);
  device.DrawPrimitive(platform::PrimitiveType::PointList, *vertexBuffer_, platform::VertexLayout::PointSprite(), 0,
                       static_cast<uint32_t>(count));
}
