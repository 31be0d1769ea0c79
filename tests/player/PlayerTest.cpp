// The thief on a real physics world: its start-up, walking, aiming, gadget choice, camera
// follow, money and busts.
#include <cmath>

#include "engine/VariableTable.h"
#include "player/CameraFollow.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class PlayerTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    CookWorld(Floor());
  }
  static float FollowDistance() {
    float value = -1;
    Engine::Get()->GetVariableTable()->GetTyped("CameraFollowDist", value);
    return value;
  }
  static void Send(Entity* e, const char* message, bool value) {
    MessageArgs args = MessageArgs::FromByte(value);
    e->SendMessageWithArgs(message, &args);
  }
  static void SendInt(Entity* e, const char* message, int value) {
    MessageArgs args = MessageArgs::FromWord(value);
    e->SendMessageWithArgs(message, &args);
  }
  static void Scroll(Entity* e, bool forward) {
    MessageArgs args = MessageArgs::FromValues(static_cast<uint8_t>(forward), static_cast<uint8_t>(1));
    e->SendMessageWithArgs(kScrollGadget, &args);
  }
};

TEST_F(PlayerTest, StartsWithTheTaserNotAimingAndTheCameraBackAt350) {
  Player* thief = SpawnThief({0, 0, 40});
  ASSERT_EQ(thief->GadgetCount(), 3);
  EXPECT_EQ(thief->currentGadget, Player::kTaser);
  EXPECT_EQ(thief->CurrentGadget()->gadget.BehaviorName, "Taser");
  EXPECT_EQ(thief->GadgetAt(1)->gadget.BehaviorName, "SmokeGrenade");
  EXPECT_EQ(thief->GadgetAt(2)->gadget.BehaviorName, "Box");
  EXPECT_FALSE(thief->info.targeting);
  EXPECT_FLOAT_EQ(FollowDistance(), 350.0f);
  EXPECT_EQ(thief->info.battery, 100);
  EXPECT_EQ(thief->info.boxes, 1);
  EXPECT_EQ(thief->info.smokeGrenades, 2);
  ASSERT_NE(logic.GetEntities("Player"), nullptr);
  EXPECT_EQ(logic.GetEntities("Player")->Count(), 1u);
}

TEST_F(PlayerTest, OutfitsAlternateFromTheChosenGenderAcrossThieves) {
  logic.gender = 1;
  std::string first = Create<Player>()->info.gender;
  std::string second = Create<Player>()->info.gender;
  EXPECT_NE(first, second);
  EXPECT_NE(Create<Player>()->info.gender, second);
}

TEST_F(PlayerTest, ForwardAndBackTogetherGoNowhereAndForwardWalksLevel) {
  Player* thief = SpawnThief({0, 0, 40});
  Frames(30);
  Face(thief, {1, 0, -0.5f});
  thief->playerPhysics.targetSpeed = 300;
  const platform::Vector3 start = thief->physical.GetPosition();
  Send(thief, kMoveForward, true);
  Send(thief, kMoveBack, true);
  Frames(30);
  EXPECT_NEAR(thief->physical.GetPosition().x, start.x, 0.5f);
  EXPECT_NEAR(thief->physical.GetPosition().y, start.y, 0.5f);
  Send(thief, kMoveBack, false);
  Frames(30);
  // Half a second at 300 units per second, along x only, the pitch not slowing it.
  EXPECT_NEAR(thief->physical.GetPosition().x - start.x, 150.0f, 10.0f);
  EXPECT_NEAR(thief->physical.GetPosition().y, start.y, 0.5f);
}

TEST_F(PlayerTest, AimingCapsTheSpeedAt100AndLeavingRestoresIt) {
  struct Case {
    float speed, aiming, after;
  } cases[] = {{80, 80, 300}, {100, 100, 300}, {300, 100, 300}, {480, 100, 480}};
  for (const Case& c : cases) {
    Player* thief = SpawnThief({0, 0, 40});
    thief->playerPhysics.speed = c.speed;
    thief->SendMessage(kTargetOrFire);
    EXPECT_TRUE(thief->info.targeting);
    EXPECT_FLOAT_EQ(thief->playerPhysics.speed, c.aiming) << c.speed;
    EXPECT_FLOAT_EQ(thief->playerPhysics.maxSpeed, 100.0f);
    EXPECT_FLOAT_EQ(FollowDistance(), 0.0f);
    thief->SendMessage(kUntarget);
    // At or below the cap nothing was saved: the starting speed comes back.
    EXPECT_FLOAT_EQ(thief->playerPhysics.speed, c.after) << c.speed;
    EXPECT_FLOAT_EQ(thief->playerPhysics.maxSpeed, 500.0f);
    EXPECT_FLOAT_EQ(FollowDistance(), 350.0f);
  }
}

TEST_F(PlayerTest, ScrollingBackFromTheTaserSelectsTheBoxAndLeavesAim) {
  Player* thief = SpawnThief({0, 0, 40});
  thief->SendMessage(kTargetOrFire);
  ASSERT_TRUE(thief->info.targeting);
  Scroll(thief, false);
  EXPECT_EQ(thief->currentGadget, Player::kBox);
  EXPECT_FALSE(thief->info.targeting);
  EXPECT_TRUE(thief->info.switchingGadget);
  EXPECT_TRUE(thief->GadgetAt(2)->model.visible);
  EXPECT_FALSE(thief->GadgetAt(0)->model.visible);
  // The wheel waits for the switch on show; the game start's silent scrolls do not.
  Scroll(thief, true);
  EXPECT_EQ(thief->currentGadget, Player::kBox);
  MessageArgs silent = MessageArgs::FromValues(static_cast<uint8_t>(1), static_cast<uint8_t>(0));
  thief->SendMessageWithArgs(kScrollGadget, &silent);
  EXPECT_EQ(thief->currentGadget, Player::kTaser);
}

TEST_F(PlayerTest, TheControlsPaceIsKeptUnderTheBox) {
  Player* thief = SpawnThief({0, 0, 40});
  MessageArgs run = MessageArgs::FromWord(500.0f);
  thief->SendMessageWithArgs(kSetTargetSpeed, &run);
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 500.0f);
  MessageArgs box = MessageArgs::FromWord(Player::kBox);
  thief->SendMessageWithArgs(kSwitchGadget, &box);
  thief->SendMessage(kFire);
  thief->SendMessageWithArgs(kSetTargetSpeed, &run);
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 150.0f);
}

TEST_F(PlayerTest, SwitchGadgetTakesOnlyAnIndexOfTheList) {
  Player* thief = SpawnThief({0, 0, 40});
  for (int index : {-1, 3, 1000}) {
    SendInt(thief, kSwitchGadget, index);
    EXPECT_EQ(thief->currentGadget, Player::kTaser) << index;
  }
  SendInt(thief, kSwitchGadget, 1);
  EXPECT_EQ(thief->currentGadget, Player::kSmokeGrenade);
  EXPECT_FALSE(thief->info.switchingGadget);
}

TEST_F(PlayerTest, AThiefWithoutGadgetsIgnoresGadgetMessages) {
  auto* thief = new Player();
  Engine::Get()->GetEntityManager()->AddEntity(thief);
  thief->InitComponents();
  Scroll(thief, true);
  thief->SendMessage(kFire);
  thief->SendMessage(kTargetOrFire);
  SendInt(thief, kSwitchGadget, 0);
  EXPECT_EQ(thief->currentGadget, 0);
  EXPECT_FALSE(thief->info.targeting);
}

TEST_F(PlayerTest, MessagesWithWrongArgumentsAreLoggedAndIgnored) {
  Player* thief = SpawnThief({0, 0, 40});
  MessageArgs text = MessageArgs::FromText("forward");
  thief->SendMessageWithArgs(kScrollGadget, &text);
  MessageArgs none;
  thief->SendMessageWithArgs(kSwitchGadget, &none);
  EXPECT_EQ(thief->currentGadget, Player::kTaser);
  EXPECT_NE(LogOf("LogicLog").find("Incorrect number of parameters"), std::string::npos);
}

TEST_F(PlayerTest, TheCameraClosesInOnAWallButNotOnAnEntity) {
  WorldBuilder wall;
  wall.AddBox({-160, -500, 0}, {-150, 500, 400});
  CookWorld(wall);
  Player* thief = SpawnThief({0, 0, 40});
  Face(thief, {1, 0, 0});
  Frames(25, 0.05);
  // The wall stands 150 behind: the camera stops 20 short of it.
  EXPECT_NEAR(CameraFollow::Shared().desired, 130.0f, 3.0f);
  EXPECT_NEAR(CameraFollow::Shared().current, 130.0f, 3.0f);
  EXPECT_NEAR(thief->camera.position.x, -130.0f, 3.0f);

  Player* other = SpawnThief({0, 600, 40});
  Face(other, {1, 0, 0});
  SpawnGuard({-80, 600, 40});
  Frames(25, 0.05);
  EXPECT_FLOAT_EQ(CameraFollow::Shared().desired, 350.0f);
}

TEST_F(PlayerTest, ShownMoneyCountsUpAt50PerSecondAndStopsAtTheMoney) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  SendInt(thief, kScore, 40);
  EXPECT_FLOAT_EQ(thief->info.money, 40.0f);
  Frames(30, 0.02);
  EXPECT_NEAR(thief->info.shownMoney, 30.0f, 1.1f);
  Frames(30, 0.02);
  EXPECT_FLOAT_EQ(thief->info.shownMoney, 40.0f);
}

TEST_F(PlayerTest, AGuardBustsAComputerThiefAtOnceAndTheUserThroughTheBustScreen) {
  StandInGuard* guard = SpawnGuard({500, 500, 40});
  Player* computer = SpawnThief({200, 0, 40}, false);
  Frames(5);
  MessageArgs byGuard = MessageArgs::FromPointer(static_cast<Entity*>(guard));
  computer->SendMessageWithArgs(kGuardTouch, &byGuard);
  EXPECT_EQ(logic.startsUsed, 1);
  EXPECT_EQ(logic.bustScreens, 0);

  Player* user = SpawnThief({-200, 0, 40});
  user->SendMessageWithArgs(kGuardTouch, &byGuard);
  EXPECT_EQ(logic.bustScreens, 1);
  logic.roundOver = true;
  user->SendMessageWithArgs(kGuardTouch, &byGuard);
  EXPECT_EQ(logic.bustScreens, 1);
}

TEST_F(PlayerTest, OnlyAnAwakeUnfrozenGuardBusts) {
  Player* computer = SpawnThief({200, 0, 40}, false);
  StandInGuard* guard = SpawnGuard({500, 500, 40});
  Frames(5);
  MessageArgs byGuard = MessageArgs::FromPointer(static_cast<Entity*>(guard));
  guard->ai.noBust = 1;
  computer->SendMessageWithArgs(kGuardTouch, &byGuard);
  guard->ai.noBust = 0;
  guard->ai.kind = "thief";
  computer->SendMessageWithArgs(kGuardTouch, &byGuard);
  guard->ai.kind = "guard";
  guard->physical.RequestFreeze();
  Frames(1);
  computer->SendMessageWithArgs(kGuardTouch, &byGuard);
  EXPECT_EQ(logic.startsUsed, 0);
}

}  // namespace
