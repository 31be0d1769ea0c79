// The taser on a real physics world: battery, misses, walls, guards awake and asleep, lasers.
#include "graphics/ParticleEmitter.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/PlayerMessages.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class TaserTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    // A wall 300 ahead along +x.
    thief = ThiefBeforeWall(300);
    Frames(5);
  }
  void FireAt(const platform::Vector3& point) { thief->FireAt(point); }

  Player* thief = nullptr;
};

// A wall hit spends five of at least ten and shows a beam, never a crackle; a miss, a zero or
// NaN aim and an aim at the thief itself cost and show nothing.
TEST_F(TaserTest, OnlyAShotThatHitsSpendsTheBatteryAndShowsABeam) {
  struct Case {
    int32_t battery, after;
    bool beam;
  } cases[] = {{9, 9, false}, {10, 5, true}, {12, 7, true}, {100, 95, true}};
  for (const Case& c : cases) {
    const int before = EmitterCount();
    thief->info.battery = c.battery;
    FireAt({300, 0, 40});
    EXPECT_EQ(thief->info.battery, c.after) << c.battery;
    EXPECT_EQ(EmitterCount() - before, c.beam ? 1 : 0) << c.battery;
  }
  ASSERT_NE(Newest<TaserShotEffect>(), nullptr);
  EXPECT_GT(Newest<TaserShotEffect>()->Count(), 0);
  EXPECT_EQ(Newest<TasedEffect>(), nullptr);

  thief->info.battery = 100;
  const int before = EmitterCount();
  FireAt({-300, 0, 400});
  FireAt(thief->physical.GetPosition());
  for (const platform::Vector3 aim : {platform::Vector3{}, platform::Vector3{NAN, 0, 0}}) {
    thief->CurrentGadget()->gadget.aimDirection = aim;
    thief->CurrentGadget()->Send(kFire);
  }
  EXPECT_EQ(thief->info.battery, 100);
  EXPECT_EQ(EmitterCount(), before);
}

TEST_F(TaserTest, AnAwakeGuardFreezesForFiveSecondsInA70Crackle) {
  StandInGuard* guard = SpawnGuard({150, 0, 40});
  Frames(5);
  FireAt(guard->physical.GetPosition());
  EXPECT_EQ(thief->info.battery, 95);
  EXPECT_TRUE(guard->ai.tased);
  auto* crackle = Newest<TasedEffect>();
  ASSERT_NE(crackle, nullptr);
  EXPECT_FLOAT_EQ(crackle->config.maxRadius, 70.0f);
  EXPECT_EQ(CountConsoleLines("StandInGuard"), 1);
  Frames(1);
  EXPECT_TRUE(guard->physical.frozen);
  Frames(4, 1.0);
  Frames(9, 0.1);
  EXPECT_TRUE(guard->physical.frozen);
  Frames(3, 0.1);
  EXPECT_FALSE(guard->physical.frozen);
}

TEST_F(TaserTest, ASleepingGuardIsOnlyTased) {
  StandInGuard* guard = SpawnGuard({150, 0, 40});
  guard->info.outfit = 1;
  Frames(5);
  FireAt(guard->physical.GetPosition());
  Frames(2);
  EXPECT_TRUE(guard->ai.tased);
  EXPECT_FALSE(guard->physical.frozen);
  auto* crackle = Newest<TasedEffect>();
  ASSERT_NE(crackle, nullptr);
  EXPECT_NE(crackle->config.maxRadius, 70.0f);
}

// A computer thief freezes in a 50 crackle; a laser is told to stay off 5 s, in a 20 crackle.
TEST_F(TaserTest, AComputerThiefFreezesAndALaserIsDisabled) {
  Player* other = SpawnThief({150, 0, 40}, false);
  auto* laser = Create<StandInLaser>();
  laser->physical.SetPosition({150, 100, 40});
  Frames(5);
  FireAt(other->physical.GetPosition());
  Frames(1);
  EXPECT_TRUE(other->physical.frozen);
  ASSERT_NE(Newest<TasedEffect>(), nullptr);
  EXPECT_FLOAT_EQ(Newest<TasedEffect>()->config.maxRadius, 50.0f);

  FireAt({150, 100, 40});
  ASSERT_EQ(laser->disabledFor.size(), 1u);
  EXPECT_FLOAT_EQ(laser->disabledFor[0], 5.0f);
  EXPECT_FLOAT_EQ(Newest<TasedEffect>()->config.maxRadius, 20.0f);
}

TEST_F(TaserTest, AGuardGoneBeforeItsFreezeEndsIsSkipped) {
  StandInGuard* guard = SpawnGuard({150, 0, 40});
  Frames(5);
  FireAt(guard->physical.GetPosition());
  Engine::Get()->GetEntityManager()->QueueDelete(guard);
  Frames(7, 1.0);
  EXPECT_EQ(thief->info.battery, 95);
}

}  // namespace
