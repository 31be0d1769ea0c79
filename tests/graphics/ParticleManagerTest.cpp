#include <gtest/gtest.h>

#include "graphics/ParticleManager.h"
#include "platform/core/Random.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Mutator.h"

namespace {

// The manager on the engine timer, moved by hand one frame at a time.
class ParticleManagerTest : public EngineFixture {
 protected:
  ParticleManagerTest() {
    Start();
    platform::SeedRandom(7);
    TempDir::Write("Data/.keep", "");
    manager.Init(nullptr);
  }

  // Writes a configuration file and makes an emitter of the given kind from it.
  template <class Emitter = ParticleEmitter>
  Emitter* Create(const std::string& name, const ParticleEmitterConfig& config) {
    SaveParticleConfig(ParticleConfigPath(name), config, Emitter::kConfigForm);
    return manager.CreateEmitter<Emitter>(name);
  }

  // One spawn right away, none after, for a life of `life` seconds.
  static ParticleEmitterConfig Single(float life) {
    ParticleEmitterConfig c;
    c.maxCount = 1;
    c.maxSpawnDelay = 1000.0f;
    c.maxLife = life;
    return c;
  }

  void Step(double seconds) {
    Frame(seconds);
    manager.Update();
  }

  ParticleManager manager;
};

TEST_F(ParticleManagerTest, KeysBlendOverTheParticlesLifeAndRestOnTheLastKey) {
  ParticleEmitterConfig c = Single(1.0f);
  c.sizeKeys = {{0.0f, {2, 0}}, {0.5f, {4, 0}}, {1.0f, {10, 0}}};
  c.colorKeys = {{0.0f, {1, 0, 0, 1}}, {1.0f, {0, 0, 1, 0}}};
  c.speedKeys = {{0.0f, {50, 0}}};
  ParticleEmitter* emitter = Create("blend", c);
  emitter->loop = 1;  // kept past its death to see where the keys rest
  Step(0.01);
  ASSERT_EQ(emitter->Count(), 1);
  Particle& p = *emitter->particles[0];
  EXPECT_EQ(p.size.value[0], 2.0f);
  Step(0.25);
  EXPECT_NEAR(p.size.value[0], 3.0f, 1e-3);
  EXPECT_NEAR(p.colour.value[0], 0.75f, 1e-3);
  EXPECT_NEAR(p.colour.value[2], 0.25f, 1e-3);
  Step(0.5);
  EXPECT_NEAR(p.size.value[0], 7.0f, 1e-3);
  // A single speed key holds for the whole life; velocity follows direction x speed.
  EXPECT_NEAR(platform::Vec3Length(p.velocity), 50.0f, 1e-3);
  manager.Update();
  emitter->loop = 0;
  Step(0.24);  // just short of its death: age held below 1
  EXPECT_NEAR(p.size.value[0], 9.88f, 1e-2);
}

TEST_F(ParticleManagerTest, EachParticleDrawsItsOwnValueWithinTheVariation) {
  ParticleEmitterConfig c;
  c.maxCount = 50;
  c.maxLife = 5.0f;
  c.sizeKeys = {{0.0f, {10, 4}}};
  c.maxRadius = 8.0f;
  c.radiusVariation = 8.0f;
  ParticleEmitter* emitter = Create("vary", c);
  Step(0.01);
  ASSERT_EQ(emitter->Count(), 50);
  float low = 100, high = 0;
  for (Particle* p : emitter->particles) {
    low = std::min(low, p->size.value[0]);
    high = std::max(high, p->size.value[0]);
    EXPECT_LE(platform::Vec3Length(p->position - emitter->origin), 8.0f + 1e-4f);
  }
  EXPECT_GE(low, 6.0f);
  EXPECT_LE(high, 10.0f);
  EXPECT_LT(low, high);
}

TEST_F(ParticleManagerTest, SpawnsFollowTheDelayOnTheEngineClock) {
  ParticleEmitterConfig c;
  c.maxCount = 100;
  c.maxSpawnDelay = 0.1f;
  c.maxLife = 10.0f;
  ParticleEmitter* emitter = Create("delay", c);
  for (int i = 0; i < 8; ++i) Step(0.03);  // the clock reaches 0.03, 0.12 and 0.21 past each spawn time
  EXPECT_EQ(emitter->Count(), 3);
  EXPECT_NEAR(emitter->nextSpawnTime, 0.3f, 1e-5);
  // A paused timer stands the clock still: nothing more spawns.
  Engine::Get()->GetTimer()->SetPaused(true);
  for (int i = 0; i < 8; ++i) Step(0.03);
  EXPECT_EQ(emitter->Count(), 3);
}

TEST_F(ParticleManagerTest, AParticleLeavesInTheFirstUpdateAfterItsDeathAndTheEmitterThenFinishes) {
  ParticleEmitter* emitter = Create("life", Single(0.5f));
  Step(0.01);
  ASSERT_EQ(emitter->Count(), 1);
  emitter->spawning = 0;
  Step(0.4);
  EXPECT_EQ(manager.EmitterCount(), 1);
  EXPECT_EQ(manager.PoolSize(), 0);
  Step(0.2);
  EXPECT_EQ(manager.PoolSize(), 1);
  EXPECT_EQ(manager.AllocatedCount(), 1);
  // The emitter sees itself empty at its next update.
  Step(0.01);
  EXPECT_EQ(manager.EmitterCount(), 0);
}

TEST_F(ParticleManagerTest, ALoopingEmitterRestartsItsParticlesInsteadOfReturningThem) {
  ParticleEmitter* emitter = Create("loop", Single(0.2f));
  emitter->loop = 1;
  Step(0.01);
  ASSERT_EQ(emitter->Count(), 1);
  const Particle* first = emitter->particles[0];
  Step(0.3);
  ASSERT_EQ(emitter->Count(), 1);
  EXPECT_EQ(emitter->particles[0], first);
  EXPECT_GT(first->death, static_cast<float>(Engine::Get()->GetTimer()->GetTime()));
  EXPECT_EQ(manager.PoolSize(), 0);
}

TEST_F(ParticleManagerTest, NoMoreThan2048ParticlesExistAndRunningDryIsLogged) {
  ParticleEmitterConfig c;
  c.maxCount = 5000;
  c.maxLife = 10.0f;
  ParticleEmitter* greedy = Create("greedy", c);
  Step(0.01);
  EXPECT_EQ(greedy->Count(), ParticleManager::kMaxParticles);
  EXPECT_EQ(manager.AllocatedCount(), ParticleManager::kMaxParticles);
  EXPECT_NE(LogOf("GraphicsLog").find("Max particle count reached"), std::string::npos);
  EXPECT_EQ(manager.NewParticles(1, *greedy), 0);

  manager.RemoveEmitter(greedy);
  EXPECT_EQ(manager.PoolSize(), ParticleManager::kMaxParticles);
  ParticleEmitter* other = Create("other", Single(10.0f));
  EXPECT_EQ(manager.NewParticles(ParticleManager::kMaxParticles - 3, *other), ParticleManager::kMaxParticles - 3);
  EXPECT_EQ(manager.NewParticles(5, *other), 3);
  EXPECT_EQ(manager.AllocatedCount(), ParticleManager::kMaxParticles);
  manager.Clear();
  EXPECT_EQ(manager.EmitterCount(), 0);
  EXPECT_EQ(manager.PoolSize(), ParticleManager::kMaxParticles);
}

TEST_F(ParticleManagerTest, ATaserBeamLaysOneParticlePerSpacing) {
  ParticleEmitterConfig c = Single(0.3f);
  c.maxRadius = 10.0f;
  auto* beam = Create<TaserShotEffect>("TaserConfig", c);
  beam->EmitAlongRay({1, 2, 3}, {0, 1, 0}, 35.0f);
  ASSERT_EQ(beam->Count(), 3);
  EXPECT_EQ(beam->particles[2]->position, (platform::Vector3{1, 22, 3}));
  Step(0.5);  // the beam never spawns again, so it ends with its particles
  Step(0.01);
  EXPECT_EQ(manager.EmitterCount(), 0);
}

TEST_F(ParticleManagerTest, ATaserBeamWithoutAPositiveSpacingLaysNothingAndEnds) {
  for (float spacing : {0.0f, -5.0f}) {
    ParticleEmitterConfig c = Single(0.3f);
    c.maxRadius = spacing;
    auto* beam = Create<TaserShotEffect>("TaserConfig" + std::to_string(int(spacing)), c);
    beam->EmitAlongRay({0, 0, 0}, {1, 0, 0}, 100.0f);
    EXPECT_EQ(beam->Count(), 0);
  }
  ParticleEmitterConfig tiny = Single(0.3f);
  tiny.maxRadius = 1e-30f;
  auto* long_beam = Create<TaserShotEffect>("TinySpacing", tiny);
  long_beam->EmitAlongRay({0, 0, 0}, {1, 0, 0}, 1e30f);
  EXPECT_EQ(long_beam->Count(), ParticleManager::kMaxParticles);
  Step(0.01);
  manager.Clear();
  EXPECT_EQ(manager.EmitterCount(), 0);
}

TEST_F(ParticleManagerTest, SparksAtRadiusZeroStayPutAndStopAtTheirStopTime) {
  ParticleEmitterConfig c;
  c.maxCount = 10;
  c.maxSpawnDelay = 0.05f;
  c.maxLife = 0.1f;
  c.speedKeys = {{0.0f, {100, 0}}};
  auto* sparks = Create<TasedEffect>("TasedConfig", c);
  sparks->origin = {5, 5, 5};
  sparks->stopTime = static_cast<float>(Engine::Get()->GetTimer()->GetTime()) + 0.2f;
  Step(0.01);
  ASSERT_GE(sparks->Count(), 1);
  Step(0.01);
  EXPECT_EQ(sparks->particles[0]->velocity, (platform::Vector3{}));
  EXPECT_EQ(sparks->particles[0]->position, (platform::Vector3{5, 5, 5}));
  // Past the stop time it spawns no more and ends once its sparks have died.
  for (int i = 0; i < 5; ++i) Step(0.1);
  EXPECT_EQ(manager.EmitterCount(), 0);
}

TEST_F(ParticleManagerTest, AMissingConfigurationIsLoggedReadOnceAndStillMakesAnEmitter) {
  ParticleEmitter* dust = manager.CreateEmitter("dustConfig");
  ASSERT_NE(dust, nullptr);
  EXPECT_EQ(LogOf("LogicLog"), "Failed to load config. Data/dustConfig.xml: could not open file\n");
  EXPECT_FALSE(TempDir::Exists("Data/dustConfig.xml"));
  dust->config.maxCount = 3;  // the emitter's own copy: empty key lists, no texture
  Step(0.01);
  ASSERT_EQ(dust->Count(), 3);
  // Without size keys a particle takes the fallback size, not nothing or its last owner's.
  EXPECT_EQ(dust->particles[0]->size.value[0], kNoSizeKeys[0].value.maxVal);

  // The second emitter of the name takes the cached record, not the file.
  ParticleEmitterConfig changed = Single(1.0f);
  SaveParticleConfig("Data/dustConfig.xml", changed);
  EXPECT_EQ(manager.CreateEmitter("dustConfig")->config.maxCount, 0);
}

// A file without size keys is said once however many emitters use it, and a particle that
// follows no size keys takes the fallback size rather than what its pooled record held last.
TEST_F(ParticleManagerTest, AnEffectWithoutSizeKeysIsSaidOnceAndItsParticlesTakeTheFallbackSize) {
  ParticleEmitterConfig big = Single(0.05f);
  big.sizeKeys = {{0.0f, {50, 0}}};
  Create("big", big);
  Step(0.01);
  Step(0.1);  // the big particle dies and its record goes back to the pool
  ASSERT_EQ(manager.PoolSize(), manager.AllocatedCount());
  ParticleEmitterConfig plain = Single(1.0f);
  plain.maxCount = 2;
  plain.maxSpawnDelay = 0.0f;
  ParticleEmitter* first = Create("plain", plain);
  ParticleEmitter* second = manager.CreateEmitter("plain");
  Step(0.01);
  ASSERT_EQ(first->Count(), 2);
  ASSERT_EQ(second->Count(), 2);
  for (ParticleEmitter* emitter : {first, second}) {
    for (Particle* p : emitter->particles) {
      EXPECT_EQ(p->size.value[0], 10.0f);
      EXPECT_EQ(p->speed.value[0], 0.0f);
      EXPECT_EQ(p->colour.value[3], 1.0f);
    }
  }
  const std::string log = LogOf("LogicLog");
  EXPECT_EQ(log.find("Data/plain.xml: sizeKeys is empty"), log.rfind("Data/plain.xml: sizeKeys is empty")) << log;
  EXPECT_NE(log.find("Data/plain.xml: sizeKeys is empty"), std::string::npos);
}

TEST_F(ParticleManagerTest, DamagedConfigurationsNeverBreakTheEmitters) {
  ParticleEmitterConfig c;
  c.textureName = "particles/spark.png";
  c.maxCount = 20;
  c.maxLife = 0.5f;
  c.sizeKeys = {{0.0f, {4, 1}}, {1.0f, {1, 0}}};
  c.colorKeys = {{0.0f, {1, 1, 1, 1}}, {1.0f, {1, 0, 0, 0}}};
  c.speedKeys = {{0.0f, {10, 2}}, {0.5f, {20, 2}}, {1.0f, {0, 0}}};
  SaveParticleConfig("Data/good.xml", c);
  const std::string good = TempDir::Read("Data/good.xml");
  MutationLimits limits;
  limits.pieces = {"<list>", "</list>", "<var>", "</var>", "<float>", "</float>", "/>", "1e38", "-1e38", "nan", "-1"};
  platform::SeedRandom(1234);
  for (int i = 0; i < 200; ++i) {
    const std::string name = "fuzz" + std::to_string(i);
    TempDir::Write(ParticleConfigPath(name), Mutate(good, limits));
    manager.CreateEmitter(name);
    manager.CreateEmitter<TaserShotEffect>(name)->EmitAlongRay({0, 0, 0}, {1, 0, 0}, 50.0f);
    Step(0.05);
    ASSERT_LE(manager.AllocatedCount(), ParticleManager::kMaxParticles);
    if (i % 20 == 19) manager.Clear();
  }
}

TEST_F(ParticleManagerTest, RandomDrawsStayInTheirRangesAndRepeatBySeed) {
  platform::SeedRandom(3);
  const platform::Vector3 a = RandomUnitVector();
  const float r = RandomRange(2.0f, 4.0f);
  platform::SeedRandom(3);
  EXPECT_EQ(RandomUnitVector(), a);
  EXPECT_EQ(RandomRange(2.0f, 4.0f), r);
  EXPECT_NEAR(platform::Vec3Length(a), 1.0f, 1e-5);
  for (int i = 0; i < 1000; ++i) {
    const float v = RandomRange(-1.0f, 3.0f);
    ASSERT_GE(v, -1.0f);
    ASSERT_LE(v, 3.0f);
  }
}

}  // namespace
