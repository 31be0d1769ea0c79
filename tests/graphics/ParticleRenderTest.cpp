#include <gtest/gtest.h>

#include "graphics/ParticleManager.h"
#include "platform/core/Random.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

using platform::Matrix;

class ParticleRenderTest : public GraphicsFixture {
 protected:
  void SetUp() override {
    StartGraphics();
    platform::SeedRandom(11);
    manager.Init(graphics->GetDevice());
    const Matrix view = platform::MatrixLookAtLH({0, -300, 0}, {0, 0, 0}, {0, 0, 1});
    graphics->GetDevice()->SetTransform(platform::TransformKind::View, view.Data());
    graphics->GetDevice()->SetTransform(platform::TransformKind::Projection, graphics->GetProjection().Data());
  }

  void TearDown() override { manager.Destroy(); }

  // A burst of sparks that fly out and fade from yellow to red.
  static ParticleEmitterConfig Burst() {
    ParticleEmitterConfig c;
    c.textureName = "particles/spark.png";
    c.maxCount = 80;
    c.maxLife = 2.0f;
    c.sizeKeys = {{0.0f, {12, 4}}, {1.0f, {4, 0}}};
    c.colorKeys = {{0.0f, {1, 1, 0.3f, 1}}, {1.0f, {1, 0.1f, 0, 0}}};
    c.speedKeys = {{0.0f, {120, 40}}, {1.0f, {0, 0}}};
    c.maxRadius = 5.0f;
    return c;
  }

  void Draw(int32_t currentMap) {
    platform::RenderDevice& device = *graphics->GetDevice();
    device.SetRenderTarget(nullptr);
    device.Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
    manager.Render(device, *graphics->GetTextureManager(), currentMap);
  }

  ParticleManager manager;
};

TEST_F(ParticleRenderTest, ABurstOfSparksMatchesItsReferenceImage) {
  SaveParticleConfig("Data/burstConfig.xml", Burst());
  ParticleEmitter* burst = manager.CreateEmitter("burstConfig");
  manager.Update();
  // The same burst on another map is kept up to date but not drawn.
  ParticleEmitter* elsewhere = manager.CreateEmitter("burstConfig");
  elsewhere->origin = {150, 0, 80};
  elsewhere->mapIndex = 1;
  for (int i = 0; i < 5; ++i) {
    clock.AdvanceSeconds(0.1);
    Engine::Get()->GetTimer()->Update();
    manager.Update();
  }
  EXPECT_EQ(burst->Count(), 80);
  EXPECT_EQ(elsewhere->Count(), 80);
  Draw(0);
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "particle_burst", 8, 0.99, &message)) << message;
  const platform::RenderState& state = graphics->GetDevice()->GetState();
  EXPECT_FALSE(state.pointSprite);
  EXPECT_TRUE(state.zWrite);
  EXPECT_FALSE(state.alphaBlend);
}

TEST_F(ParticleRenderTest, NothingIsDrawnWhenNoParticleLives) {
  SaveParticleConfig("Data/burstConfig.xml", Burst());
  manager.CreateEmitter("burstConfig")->spawning = 0;
  manager.Update();
  Draw(0);
  EXPECT_EQ(BackBufferPixel(512, 384), 0x000000FFu);
}

}  // namespace
