// Suction cups fired at a real physics world.
#include "physics/Physics.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SuctionCup.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class SuctionCupTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    // A wall 300 ahead along +x.
    thief = ThiefBeforeWall(300);
    thief->Send(kGetGadget, static_cast<Entity*>(MakeGadget(*Engine::Get(), "SuctionCupGun")));
    thief->Send(kSwitchGadget, 3);
    Frames(5);
  }
  SuctionCup* Fire(const platform::Vector3& at) {
    thief->FireAt(at);
    return dynamic_cast<SuctionCup*>(thief->CurrentGadget()->gadget.projectile.Get());
  }

  Player* thief = nullptr;
};

TEST_F(SuctionCupTest, ACupStopsTwentyFiveShortOfTheWallAndGoesTwoSecondsLater) {
  SuctionCup* cup = Fire({300, 0, 80});
  ASSERT_NE(cup, nullptr);
  const EntityHandle handle(cup);
  for (int i = 0; i < 60 && !cup->stuck; ++i) Frames(1);
  ASSERT_TRUE(cup->stuck);
  Frames(2);
  EXPECT_TRUE(cup->physical.frozen);
  EXPECT_NEAR(cup->physical.GetPosition().x, 300.0f - 25.0f, 3.0f);
  Frames(17, 0.1);
  EXPECT_NE(handle.Get(), nullptr);
  // Due at 2 s; deleted at the start of the frame after.
  Frames(4, 0.1);
  EXPECT_EQ(handle.Get(), nullptr);
}

TEST_F(SuctionCupTest, EveryFireIsANewCupAndOnlyTheFirstTouchCounts) {
  SuctionCup* first = Fire({300, 0, 80});
  SuctionCup* second = Fire({300, 50, 80});
  EXPECT_NE(first, second);
  for (int i = 0; i < 60 && !first->stuck; ++i) Frames(1);
  Frames(3);
  const platform::Vector3 stuckAt = first->physical.GetPosition();
  first->OnStartTouch(nullptr);
  Frames(3);
  EXPECT_EQ(first->physical.GetPosition(), stuckAt);
}

TEST_F(SuctionCupTest, ATouchWithoutAContactPointLeavesTheCupWhereItIs) {
  SuctionCup* cup = Fire({-300, 0, 400});
  Frames(2);
  physics->GetContactPoints().clear();
  const platform::Vector3 at = cup->physical.GetPosition();
  cup->OnStartTouch(nullptr);
  Frames(1);
  EXPECT_TRUE(cup->stuck);
  EXPECT_TRUE(cup->physical.frozen);
  EXPECT_LT(platform::Vec3Length(cup->physical.GetPosition() - at), 20.0f);
  const EntityHandle handle(cup);
  Frames(21, 0.1);
  EXPECT_EQ(handle.Get(), nullptr);
}

}  // namespace
