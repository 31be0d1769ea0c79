// What the thief keeps of other entities and effects that may be gone by the time it uses them.
#include "graphics/ModelEnt.h"
#include "graphics/ParticleEmitter.h"
#include "player/PlayerMessages.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class PlayerFaultsTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    CookWorld(Floor());
  }
};

TEST_F(PlayerFaultsTest, ATeleporterIsToldTheThiefsIdHalfASecondLater) {
  Player* thief = SpawnThief({0, 0, 40});
  thief->Send(ThiefOrder::kEnterDoor);
  auto* teleporter = Create<StandInTeleporter>();
  thief->info.teleporter.Set(teleporter);
  thief->Send(ThiefOrder::kEnterDoor);
  Frames(2, 0.2);
  EXPECT_TRUE(teleporter->moved.empty());
  Frames(2, 0.2);
  ASSERT_EQ(teleporter->moved.size(), 1u);
  EXPECT_EQ(teleporter->moved[0], thief->GetId());
}

TEST_F(PlayerFaultsTest, ABustPutsTheItemBackAndLetsGoOfItsModelAndSparks) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  Entity* itemModel = Create<ModelEnt>();
  const EntityHandle itemHandle(itemModel);
  ParticleEmitter* sparks = graphics->GetParticleManager()->CreateEmitter("PoofConfig");
  // The thief only hands the record back to the game; any address stands for one here.
  int recordStandIn = 0;
  ItemRecord* record = reinterpret_cast<ItemRecord*>(&recordStandIn);
  thief->info.carriedItem = record;
  thief->info.carriedItemModel.Set(itemModel);
  thief->info.carriedItemEffect.Set(sparks);
  Frames(1);
  // Carried above the thief's head.
  EXPECT_NEAR(sparks->origin.z - thief->physical.GetPosition().z, 100.0f, 1e-3f);
  thief->Send(kDoBust);
  EXPECT_EQ(logic.itemsRespawned, 1);
  EXPECT_EQ(logic.startsUsed, 1);
  EXPECT_EQ(thief->info.carriedItem, nullptr);
  EXPECT_FALSE(sparks->spawning);
  EXPECT_FALSE(thief->info.carriedItemEffect.IsSet());
  Frames(1);
  EXPECT_EQ(itemHandle.Get(), nullptr);
}

TEST_F(PlayerFaultsTest, SparksTheParticleManagerDroppedAreNeitherMovedNorStopped) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  thief->info.carriedItemEffect.Set(graphics->GetParticleManager()->CreateEmitter("PoofConfig"));
  graphics->GetParticleManager()->Clear();
  // A new effect may take the old one's memory; it is not the thief's.
  ParticleEmitter* other = graphics->GetParticleManager()->CreateEmitter("PoofConfig");
  other->origin = {1, 2, 3};
  Frames(2);
  thief->Send(kDoBust);
  EXPECT_EQ(other->origin, (platform::Vector3{1, 2, 3}));
  EXPECT_TRUE(other->spawning);
}

TEST_F(PlayerFaultsTest, AThiefSpawnedInsideAWallGetsOutOrStaysAndRunsOn) {
  WorldBuilder wall;
  wall.AddBox({-100, -100, 0}, {100, 100, 200});
  CookWorld(wall);
  Player* thief = SpawnThief({0, 0, 40});
  thief->MoveForward(true);
  Frames(30);
  const platform::Vector3 at = thief->physical.GetPosition();
  EXPECT_TRUE(std::isfinite(at.x) && std::isfinite(at.y) && std::isfinite(at.z));
  EXPECT_TRUE(std::isfinite(thief->camera.position.x));
}

}  // namespace
