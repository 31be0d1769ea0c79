// The box gadget and its time-out in the thief's update.
#include "graphics/ParticleEmitter.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class BoxTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    CookWorld(Floor());
  }
  static void SelectBox(Player* thief) {
    thief->Send(kSwitchGadget, gadget::kBox);
  }
  // Whether the thief wears the named model.
  static bool Wears(Player* thief, const char* model) {
    return thief->model.GetModel() && thief->model.GetModel() == Engine::Get()->GetGraphics()->GetModelManager()->Get(model);
  }
};

TEST_F(BoxTest, EachBoxGoesInThenOutThenNothing) {
  Player* thief = SpawnThief({0, 0, 40});
  SelectBox(thief);
  thief->Send(ThiefOrder::kTargetOrFire);
  EXPECT_TRUE(thief->info.inBox);
  EXPECT_EQ(thief->info.boxes, 0);
  EXPECT_FALSE(thief->info.targeting);
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 150.0f);
  EXPECT_TRUE(Wears(thief, "box"));
  thief->Send(kFire);
  EXPECT_FALSE(thief->info.inBox);
  EXPECT_TRUE(Wears(thief, thief->info.gender == "male" ? "thief" : "femaleThief"));
  // The controls set a pace again; until then the box's speed stays.
  EXPECT_FLOAT_EQ(thief->playerPhysics.targetSpeed, 150.0f);
  thief->Send(kFire);
  EXPECT_FALSE(thief->info.inBox);
  EXPECT_EQ(thief->info.boxes, 0);

  // Each box picked up is one more entry.
  thief->Send(kGetBox);
  thief->Send(kFire);
  EXPECT_TRUE(thief->info.inBox);
  thief->Send(kFire);
  thief->Send(kFire);
  EXPECT_FALSE(thief->info.inBox);
}

TEST_F(BoxTest, TheBoxEndsByItselfAfterFifteenSecondsWithAPoof) {
  Player* thief = SpawnThief({0, 0, 40});
  SelectBox(thief);
  thief->Send(kFire);
  Frames(148, 0.1);
  EXPECT_TRUE(thief->info.inBox);
  EXPECT_TRUE(Wears(thief, "box"));
  Frames(3, 0.1);
  EXPECT_FALSE(thief->info.inBox);
  EXPECT_FLOAT_EQ(thief->info.boxTimer, 0.0f);
  EXPECT_TRUE(Wears(thief, thief->info.gender == "male" ? "thief" : "femaleThief"));
  auto* poof = Newest<ParticleEmitter>();
  ASSERT_NE(poof, nullptr);
  EXPECT_FALSE(poof->spawning);
  // Where the thief stood (it settles as its controller takes the outfit's size again).
  EXPECT_LT(platform::Vec3Length(poof->origin - thief->physical.GetPosition()), 20.0f);
}

TEST_F(BoxTest, AComputerThiefLeavesThroughItsBoxGadgetAsTheOutfitItWore) {
  logic.gender = 1;
  Player* thief = SpawnThief({0, 0, 40}, false);
  thief->info.gender = "female";
  SelectBox(thief);
  thief->Send(kFire);
  thief->Send(kSwitchGadget, gadget::kTaser);
  Frames(160, 0.1);
  EXPECT_FALSE(thief->info.inBox);
  EXPECT_EQ(thief->currentGadget, gadget::kBox);
  EXPECT_TRUE(Wears(thief, "femaleThief"));
}

TEST_F(BoxTest, AimingWithAnotherGadgetEndsTheBoxAtTheNextUpdate) {
  Player* thief = SpawnThief({0, 0, 40});
  SelectBox(thief);
  thief->Send(kFire);
  thief->Send(kSwitchGadget, gadget::kTaser);
  thief->Send(ThiefOrder::kTargetOrFire);
  Frames(1);
  EXPECT_FALSE(thief->info.inBox);
}

}  // namespace
