// Smoke bombs thrown on a real physics world: stock, the burst at rest, the ten seconds, and
// emitters the particle manager dropped first.
#include "graphics/ParticleEmitter.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SmokeGrenade.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class SmokeGrenadeTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    // A wall 400 ahead along +x.
    thief = ThiefBeforeWall(400);
    thief->Send(kSwitchGadget, gadget::kSmokeGrenade);
    Frames(5);
  }
  SmokeGrenade* Throw(const platform::Vector3& at) {
    thief->FireAt(at);
    return dynamic_cast<SmokeGrenade*>(thief->CurrentGadget()->gadget.projectile.Get());
  }
  size_t Bombs() const {
    const EntityList* bombs = logic.GetEntities(SmokeGrenade::kClassName);
    return bombs ? bombs->Count() : 0;
  }

  Player* thief = nullptr;
};

TEST_F(SmokeGrenadeTest, TwoGrenadesMakeTwoBombsAndAThirdThrowNothing) {
  SmokeGrenade* first = Throw({100, 0, 40});
  SmokeGrenade* second = Throw({100, 50, 40});
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(thief->info.smokeGrenades, 0);
  EXPECT_EQ(Throw({100, -50, 40}), second);
  EXPECT_EQ(thief->info.smokeGrenades, 0);
  EXPECT_EQ(Bombs(), 2u);
}

TEST_F(SmokeGrenadeTest, ABombBurstsOnlyAtRestAndGoesTenSecondsAfterTheThrow) {
  SmokeGrenade* bomb = Throw({400, 0, 40});
  ASSERT_NE(bomb, nullptr);
  const EntityHandle handle(bomb);
  Frames(3);
  EXPECT_FALSE(bomb->smoking);
  EXPECT_NE(bomb->trail.Get(), nullptr);
  // It bounces off the wall and rolls to a stop on the floor.
  for (int i = 0; i < 400 && !bomb->smoking; ++i) {
    Frames(1);
    if (!bomb->smoking) {
      EXPECT_GE(platform::Vec3LengthSq(bomb->physical.GetVelocity()), SmokeGrenade::kAtRest);
    }
  }
  ASSERT_TRUE(bomb->smoking);
  EXPECT_LT(bomb->physical.GetPosition().x, 400.0f);
  ParticleEmitter* cloud = bomb->cloud.Get();
  ASSERT_NE(cloud, nullptr);
  EXPECT_EQ(bomb->trail.Get(), nullptr);
  Frames(1);
  EXPECT_EQ(cloud->origin, bomb->physical.GetPosition());
  // Ten seconds from the throw, on the engine timer.
  Frames(100, 0.1);
  EXPECT_EQ(handle.Get(), nullptr);
  EXPECT_EQ(Bombs(), 0u);
  EXPECT_FALSE(cloud->spawning);
}

TEST_F(SmokeGrenadeTest, ABombWhoseEmittersWereClearedLivesAndDiesSafely) {
  SmokeGrenade* bomb = Throw({100, 0, 40});
  Frames(2);
  graphics->GetParticleManager()->Clear();
  Frames(2);
  EXPECT_EQ(bomb->trail.Get(), nullptr);
  Engine::Get()->GetEntityManager()->QueueDelete(bomb);
  Frames(1);
  EXPECT_EQ(Bombs(), 0u);
}

}  // namespace
