// The thief on a real physics world: its start-up, walking, aiming, gadget choice, camera
// follow, money and busts.
#include <cmath>

#include "engine/VariableTable.h"
#include "graphics/ModelRecord.h"
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
  static void Scroll(Entity* e, bool forward, bool wheel = true) { e->Send(ThiefOrder::kScrollGadget, forward, wheel); }
};

TEST_F(PlayerTest, StartsWithTheTaserNotAimingAndTheCameraBackAt350) {
  Player* thief = SpawnThief({0, 0, 40});
  ASSERT_EQ(thief->GadgetCount(), 3);
  EXPECT_EQ(thief->currentGadget, gadget::kTaser);
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

// The outfit is the model's texture-swap entry; the model is shared, so each thief writes its
// own just before it is drawn.
TEST_F(PlayerTest, OutfitsAlternateFromTheChosenGenderAndEachThiefDrawsItsOwn) {
  logic.gender = 1;
  Player* first = Create<Player>();
  Player* second = Create<Player>();
  EXPECT_NE(first->info.gender, second->info.gender);
  EXPECT_NE(Create<Player>()->info.gender, second->info.gender);
  ModelRecord* shared = first->model.GetModel();
  ASSERT_NE(shared, nullptr);
  EXPECT_TRUE(shared->textureSwap);
  for (int32_t outfit : {2, 0, 3}) {
    first->info.outfit = outfit;
    first->Send(kOnModelDraw);
    EXPECT_EQ(shared->textureSwapIndex, static_cast<size_t>(outfit));
  }
}

TEST_F(PlayerTest, ForwardAndBackTogetherGoNowhereAndForwardWalksLevel) {
  Player* thief = SpawnThief({0, 0, 40});
  Frames(30);
  Face(thief, {1, 0, -0.5f});
  thief->playerPhysics.targetSpeed = 300;
  const platform::Vector3 start = thief->physical.GetPosition();
  thief->Send(ThiefOrder::kMoveForward, true);
  thief->Send(ThiefOrder::kMoveBack, true);
  Frames(30);
  EXPECT_NEAR(thief->physical.GetPosition().x, start.x, 0.5f);
  EXPECT_NEAR(thief->physical.GetPosition().y, start.y, 0.5f);
  thief->Send(ThiefOrder::kMoveBack, false);
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
    thief->Send(ThiefOrder::kTargetOrFire);
    EXPECT_TRUE(thief->info.targeting);
    EXPECT_FLOAT_EQ(thief->playerPhysics.speed, c.aiming) << c.speed;
    EXPECT_FLOAT_EQ(thief->playerPhysics.maxSpeed, 100.0f);
    EXPECT_FLOAT_EQ(FollowDistance(), 0.0f);
    thief->Send(ThiefOrder::kUntarget);
    // At or below the cap nothing was saved: the starting speed comes back.
    EXPECT_FLOAT_EQ(thief->playerPhysics.speed, c.after) << c.speed;
    EXPECT_FLOAT_EQ(thief->playerPhysics.maxSpeed, 500.0f);
    EXPECT_FLOAT_EQ(FollowDistance(), 350.0f);
  }
}

TEST_F(PlayerTest, ScrollingBackFromTheTaserSelectsTheBoxAndLeavesAim) {
  Player* thief = SpawnThief({0, 0, 40});
  thief->Send(ThiefOrder::kTargetOrFire);
  ASSERT_TRUE(thief->info.targeting);
  Scroll(thief, false);
  EXPECT_EQ(thief->currentGadget, gadget::kBox);
  EXPECT_FALSE(thief->info.targeting);
  EXPECT_TRUE(thief->info.switchingGadget);
  EXPECT_TRUE(thief->GadgetAt(2)->model.visible);
  EXPECT_FALSE(thief->GadgetAt(0)->model.visible);
}

// Two notches of the wheel in a row, the second while the first switch is still on show, land
// two gadgets on.
TEST_F(PlayerTest, EveryStepOfTheWheelCountsDuringTheSwitch) {
  Player* thief = SpawnThief({0, 0, 40});
  Scroll(thief, true);
  ASSERT_TRUE(thief->info.switchingGadget);
  Scroll(thief, true);
  EXPECT_EQ(thief->currentGadget, gadget::kBox);
  Frames(2);
  Scroll(thief, true);
  EXPECT_EQ(thief->currentGadget, gadget::kTaser);
  EXPECT_TRUE(thief->GadgetAt(0)->model.visible);
  EXPECT_FALSE(thief->GadgetAt(2)->model.visible);
}

TEST_F(PlayerTest, TheControlsPaceIsKeptUnderTheBox) {
  Player* thief = SpawnThief({0, 0, 40});
  thief->Send(ThiefOrder::kSetTargetSpeed, 500.0f);
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 500.0f);
  thief->Send(kSwitchGadget, gadget::kBox);
  thief->Send(kFire);
  thief->Send(ThiefOrder::kSetTargetSpeed, 500.0f);
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 150.0f);
}

// Indexes off the list, a thief holding nothing, and arguments of the wrong shape (logged by the
// binder) all leave the choice as it was.
TEST_F(PlayerTest, GadgetChoiceRefusesWhatIsNotThere) {
  Player* thief = SpawnThief({0, 0, 40});
  for (int index : {-1, 3, 1000}) {
    thief->Send(kSwitchGadget, index);
    EXPECT_EQ(thief->currentGadget, gadget::kTaser) << index;
  }
  MessageArgs text = MessageArgs::FromText("forward");
  thief->HandleMessage(ThiefOrder::kScrollGadget.Name(), &text);
  MessageArgs none;
  thief->HandleMessage(kSwitchGadget.Name(), &none);
  EXPECT_EQ(thief->currentGadget, gadget::kTaser);
  EXPECT_NE(LogOf("LogicLog").find("Incorrect number of parameters"), std::string::npos);
  thief->Send(kSwitchGadget, 1);
  EXPECT_EQ(thief->currentGadget, gadget::kSmokeGrenade);
  EXPECT_FALSE(thief->info.switchingGadget);

  auto* empty = new Player(*services);
  Engine::Get()->GetEntityManager()->AddEntity(empty);
  empty->InitComponents();
  Scroll(empty, true);
  empty->Send(kFire);
  empty->Send(ThiefOrder::kTargetOrFire);
  empty->Send(kSwitchGadget, 0);
  EXPECT_EQ(empty->currentGadget, 0);
  EXPECT_FALSE(empty->info.targeting);
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

// Busted in the open with the camera far back, the thief starts again with a wall just behind
// it; a look straight down puts the camera's way up against the ceiling. In no frame does the
// camera stand beyond the wall.
TEST_F(PlayerTest, TheCameraNeverStandsBeyondAWallAfterABustOrUnderACeiling) {
  WorldBuilder room = FloorAndWall(-100);
  room.AddBox({-2000, -2000, 300}, {2000, 2000, 320});
  CookWorld(room);
  Player* thief = SpawnThief({600, 0, 40});
  Face(thief, {-1, 0, 0});
  Frames(60, 0.05);
  ASSERT_NEAR(CameraFollow::Shared().current, 350.0f, 1.0f);
  logic.start = {0, 0, 40};
  Face(thief, {1, 0, 0});
  thief->Send(kGuardTouch, static_cast<Entity*>(SpawnGuard({700, 0, 40})));
  thief->Send(kDoBust);
  for (int frame = 0; frame < 10; ++frame) {
    Frames(1, 0.05);
    EXPECT_GT(thief->camera.position.x, -80.0f) << "frame " << frame;
  }
  Face(thief, platform::Vec3Normalize({0.05f, 0, -1}));
  for (int frame = 0; frame < 10; ++frame) {
    Frames(1, 0.05);
    EXPECT_LT(thief->camera.position.z, 300.0f) << "frame " << frame;
  }
}

TEST_F(PlayerTest, ShownMoneyCountsUpAt50PerSecondAndStopsAtTheMoney) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  thief->Send(kScore, 40);
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
  computer->Send(kGuardTouch, guard);
  EXPECT_EQ(logic.startsUsed, 1);
  EXPECT_EQ(logic.bustScreens, 0);

  Player* user = SpawnThief({-200, 0, 40});
  user->Send(kGuardTouch, guard);
  EXPECT_EQ(logic.bustScreens, 1);
  logic.roundOver = true;
  user->Send(kGuardTouch, guard);
  EXPECT_EQ(logic.bustScreens, 1);
}

TEST_F(PlayerTest, OnlyAnAwakeUnfrozenGuardBusts) {
  Player* computer = SpawnThief({200, 0, 40}, false);
  StandInGuard* guard = SpawnGuard({500, 500, 40});
  Frames(5);
  guard->ai.noBust = 1;
  computer->Send(kGuardTouch, guard);
  guard->ai.noBust = 0;
  guard->ai.kind = "thief";
  computer->Send(kGuardTouch, guard);
  guard->ai.kind = "guard";
  guard->physical.RequestFreeze();
  Frames(1);
  computer->Send(kGuardTouch, guard);
  computer->Send(kGuardTouch, nullptr);
  EXPECT_EQ(logic.startsUsed, 0);
}

}  // namespace
