#include <gtest/gtest.h>

#include "player/Player.h"
#include "player/PlayerMessages.h"
#include "player/TeleportDoor.h"
#include "tests/input/DevTestSupport.h"

namespace {

// A teleporter that counts the thieves it is told to move.
class CountingDoor : public EntityClass<CountingDoor>, public TeleportDoor {
 public:
  static constexpr char kClassName[] = "CountingDoor";
  static void Describe(ClassBuilder<CountingDoor>& c) { c.Message(kTeleport, &CountingDoor::Teleport); }
  void OnCreate() override {}
  std::string GetTeleportSound() const override { return "teleport"; }
  void Teleport(uint32_t) { ++teleports; }

  int teleports = 0;
};

// The game scheme with the real graphics, whose screen transition a teleport starts, and the
// real thief standing in a door.
class TeleportKeyTest : public DevToolsTest {
 protected:
  void SetUp() override {
    StartDevTools();
    GetInput()->SetControlledGame(&game);
    GetLogic()->SetControlsName("Game");
    GetLogic()->SetControls();
    RegisterEntityClass<CountingDoor>("LogicLog");
    auto* thief = static_cast<Player*>(Engine::Get()->GetEntityManager()->Create("Player"));
    GetLogic()->SetPlayerEntity(thief);
    door = static_cast<CountingDoor*>(Engine::Get()->GetEntityManager()->Create("CountingDoor"));
    thief->info.teleporter.Set(door);
  }
  void PressE() {
    backend->Keyboard().Press(0x12);
    backend->Keyboard().Release(0x12);
    Frame(0.05);
  }

  OnMapZero game;
  CountingDoor* door = nullptr;
};

TEST_F(TeleportKeyTest, TheDoorKeyIsHeldBackWhileTheTransitionRuns) {
  PressE();
  ASSERT_TRUE(graphics->IsTransitionRunning());
  PressE();
  for (int i = 0; i < 50 && graphics->IsTransitionRunning(); ++i) Frame(0.1);
  ASSERT_FALSE(graphics->IsTransitionRunning());
  EXPECT_EQ(door->teleports, 1);
  // Once the transition is over the key works again.
  PressE();
  for (int i = 0; i < 10; ++i) Frame(0.1);
  EXPECT_EQ(door->teleports, 2);
}

}  // namespace
