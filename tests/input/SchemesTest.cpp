#include <gtest/gtest.h>

#include "map/BspMap.h"
#include "tests/input/InputTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

// The game scheme on its default keys, with the focus.
class GameControlsTest : public InputTest {
 protected:
  void SetUp() override {
    StartInput();
    GetLogic()->SetControlsName("Game");
    GetLogic()->SetControls();
  }
  void Wheel(int32_t amount) {
    Mouse().Move(platform::kMouseWheel, amount);
    Frame();
  }
};

TEST_F(GameControlsTest, MovementKeysAreLevels) {
  AddPlayer();
  Keyboard().Press(kKeyW);
  Keyboard().Press(kKeyA);
  Frame();
  Keyboard().Release(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveLeft(1)", "player:MoveForward(0)"}));
}

TEST_F(GameControlsTest, ButtonsFireOnThePressOnly) {
  AddPlayer();
  for (uint32_t button : {platform::kMouseLeft, platform::kMouseRight}) {
    Mouse().Press(button);
    Mouse().Release(button);
  }
  Frame();
  EXPECT_EQ(received, (Strings{"player:Fire", "player:TargetOrFire"}));
}

TEST_F(GameControlsTest, TheUntargetKeyCancelsAimingOnItsPressOnly) {
  AddPlayer();
  Tap(kKeyLShift);
  Frame();
  EXPECT_EQ(received, (Strings{"player:Untarget"}));
}

TEST_F(GameControlsTest, TheDoorKeyActsOnItsPress) {
  AddPlayer();
  Tap(0x12);  // E
  Frame();
  EXPECT_EQ(received, (Strings{"player:EnterDoor"}));
}

TEST_F(GameControlsTest, TheWheelPicksTheGadgetForwardOrBack) {
  AddPlayer();
  Wheel(120);
  Wheel(-240);
  EXPECT_EQ(received, (Strings{"player:ScrollGadget(1,1)", "player:ScrollGadget(0,1)"}));
}

// A button bound to the speed change carries no wheel movement, which counts as down.
TEST_F(GameControlsTest, WithoutWheelMovementTheSpeedGoesDown) {
  AddPlayer();
  Mouse().Press(platform::kMouseMiddle);
  Mouse().Release(platform::kMouseMiddle);
  Frame();
  EXPECT_EQ(received, (Strings{"player:ChangeMoveSpeed(0)", "player:ChangeMoveSpeed(0)"}));
}

TEST_F(GameControlsTest, SneakingEndsInWalkingEvenWithTheRunKeyStillDown) {
  RecordingPlayer* player = AddPlayer();
  Keyboard().Press(kKeyRShift);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 500.0f);
  Keyboard().Press(kKeyLControl);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 99.0f);
  Keyboard().Release(kKeyLControl);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 325.0f);
  Keyboard().Release(kKeyRShift);
  Tap(kKeyLAlt);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 325.0f);
}

TEST_F(GameControlsTest, TheUntargetKeyRunsWhileHeld) {
  RecordingPlayer* player = AddPlayer();
  Keyboard().Press(kKeyLShift);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 500.0f);
  Keyboard().Release(kKeyLShift);
  Frame();
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 325.0f);
  EXPECT_EQ(received, (Strings{"player:Untarget"}));
}

// Hiding under the box and showing a gadget switch are the thief's own state: the controls
// give their orders regardless, and the thief decides.
TEST_F(GameControlsTest, TheControlsDoNotReadTheThiefsState) {
  RecordingPlayer* player = AddPlayer();
  player->info.inBox = 1;
  player->info.switchingGadget = 1;
  Keyboard().Press(kKeyRShift);
  Frame();
  Wheel(120);
  EXPECT_FLOAT_EQ(player->physics.targetSpeed, 500.0f);
  EXPECT_EQ(received, (Strings{"player:ScrollGadget(1,1)"}));
}

TEST_F(GameControlsTest, WithoutAThiefNothingIsSent) {
  Entity* player = AddPlayer();
  GetLogic()->SetPlayerEntity(nullptr);
  Engine::Get()->GetEntityManager()->QueueDelete(player);
  received.clear();
  Tap(kKeyW);
  Tap(kKeyLShift);
  Mouse().Press(platform::kMouseLeft);
  Mouse().Release(platform::kMouseLeft);
  Frame();
  Wheel(120);
  EXPECT_TRUE(received.empty());
}

TEST_F(GameControlsTest, TheMenuSchemesKeysDoNothingInPlay) {
  AddPlayer();
  Mouse().Press(platform::kMouseLeft);
  Frame();
  EXPECT_EQ(received, (Strings{"player:Fire"})) << "only the game scheme hears the button";
}

TEST_F(InputTest, HandingTheControlToAnotherThiefTellsBoth) {
  StartInput();
  Entity* first = AddPlayer();
  Entity* second = Engine::Get()->GetEntityManager()->Create("RecordingPlayer");
  GetLogic()->SetPlayerEntity(second);
  EXPECT_EQ(received, (Strings{"player:SetActivePlayer(0)", "player:SetActivePlayer(1)"}));
  EXPECT_EQ(GetLogic()->GetPlayerEntity(), second);
  EXPECT_NE(first, second);
}

class FlyThroughTest : public InputTest {
 protected:
  void SetUp() override {
    StartInput();
    AddPlayer();
    GetLogic()->GetFlyThrough().Start(map, "", nullptr);
  }
  BspMap map;
};

TEST_F(FlyThroughTest, AnyKeyEndsItWithinTheFrameAndHandsTheThiefItsControls) {
  Keyboard().Press(kKeyW);
  Frame();
  EXPECT_FALSE(GetLogic()->IsFlyThroughRunning());
  EXPECT_EQ(GetLogic()->GetControlsName(), "Game");
  EXPECT_EQ(received, (Strings{"player:SetActivePlayer(1)"})) << "the press itself reached only the menu scheme";

  received.clear();
  Keyboard().Release(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(0)"})) << "the release reaches the game scheme, as a level";
}

TEST_F(FlyThroughTest, MouseMovementDoesNotEndIt) {
  Mouse().Move(platform::kMouseX, -40);
  Frame();
  EXPECT_TRUE(GetLogic()->IsFlyThroughRunning());
  Mouse().Press(platform::kMouseRight);
  Frame();
  EXPECT_FALSE(GetLogic()->IsFlyThroughRunning());
}

TEST_F(InputTest, WithoutAFlyThroughAKeyChangesNoControls) {
  StartInput();
  Tap(kKeyW);
  Frame();
  EXPECT_EQ(GetLogic()->GetControlsName(), "Null");
}

}  // namespace
