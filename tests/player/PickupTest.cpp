// Pickups and their spawn points on a real physics world.
#include "player/PlayerMessages.h"
#include "player/pickups/PickupFamilies.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

class PickupTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    CookWorld(Floor());
  }
  template <class Spawn>
  Spawn* PlaceSpawn(const platform::Vector3& at) {
    auto* spawn = new Spawn(*services);
    spawn->physical.SetPosition(at);
    Engine::Get()->GetEntityManager()->AddEntity(spawn);
    Entity::SetUp(spawn);
    return spawn;
  }
  // The pickups of that class standing now.
  template <class Pickup>
  std::vector<Pickup*> Standing() {
    std::vector<Pickup*> found;
    for (uint32_t id = 1; id < Entity::PeekNextId(); ++id) {
      if (auto* pickup = dynamic_cast<Pickup*>(Engine::Get()->GetEntityManager()->FindEntity(id))) found.push_back(pickup);
    }
    return found;
  }
  static void Touch(Entity* pickup, Entity* by) { pickup->Send(kOnTouch, by); }
};

TEST_F(PickupTest, EachFamilyGivesItsStockAndComesBackAfterItsDelay) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  thief->info.battery = 95;
  PlaceSpawn<BoxSpawn>({100, 0, 20});
  PlaceSpawn<SmokeGrenadeSpawn>({200, 0, 20});
  PlaceSpawn<BatterySpawn>({300, 0, 20});
  Frames(2);
  Touch(Standing<BoxPickup>().at(0), thief);
  Touch(Standing<SmokeGrenadePickup>().at(0), thief);
  Touch(Standing<Battery>().at(0), thief);
  EXPECT_EQ(thief->info.boxes, 2);
  EXPECT_EQ(thief->info.smokeGrenades, 3);
  EXPECT_EQ(thief->info.battery, 100);
  Frames(1);
  EXPECT_TRUE(Standing<Battery>().empty());
  Frames(21, 0.1);
  ASSERT_EQ(Standing<Battery>().size(), 1u);
  EXPECT_EQ(Standing<Battery>()[0]->physical.GetPosition(), (platform::Vector3{300, 0, 20}));
  EXPECT_TRUE(Standing<BoxPickup>().empty());
  Frames(29, 1.0);
  EXPECT_EQ(Standing<BoxPickup>().size(), 1u);
  EXPECT_EQ(Standing<SmokeGrenadePickup>().size(), 1u);
}

TEST_F(PickupTest, TwoThievesOnOnePickupMakeOneMessageAndOneRespawnAndAPlacedOneNone) {
  Player* first = SpawnThief({0, 0, 40}, false);
  Player* second = SpawnThief({0, 100, 40}, false);
  PlaceSpawn<BoxSpawn>({100, 0, 20});
  Frames(2);
  BoxPickup* box = Standing<BoxPickup>().at(0);
  EXPECT_FLOAT_EQ(box->model.scale, 0.75f);
  Touch(box, first);
  Touch(box, second);
  EXPECT_EQ(first->info.boxes, 2);
  EXPECT_EQ(second->info.boxes, 1);
  EXPECT_FALSE(box->model.visible);
  Frames(31, 1.0);
  EXPECT_EQ(Standing<BoxPickup>().size(), 1u);

  // One a map placed itself never comes back.
  for (BoxPickup* standing : Standing<BoxPickup>()) Engine::Get()->GetEntityManager()->QueueDelete(standing);
  auto* placed = Create<BoxPickup>();
  placed->physical.SetPosition({300, 0, 20});
  Frames(2);
  Touch(placed, first);
  Frames(35, 1.0);
  EXPECT_TRUE(Standing<BoxPickup>().empty());
}

TEST_F(PickupTest, SomethingWithoutPlayerInfoLeavesThePickupAndAGuardTakesIt) {
  PlaceSpawn<SmokeGrenadeSpawn>({100, 0, 20});
  Frames(2);
  SmokeGrenadePickup* smoke = Standing<SmokeGrenadePickup>().at(0);
  auto* prop = Create<Prop>();
  Touch(smoke, prop);
  Touch(smoke, nullptr);
  EXPECT_TRUE(smoke->model.visible);
  StandInGuard* guard = SpawnGuard({0, 0, 40});
  Touch(smoke, guard);
  EXPECT_FALSE(smoke->model.visible);
  EXPECT_EQ(guard->info.smokeGrenades, 2);
}

TEST_F(PickupTest, APausedTimerDelaysTheReturn) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  PlaceSpawn<BatterySpawn>({100, 0, 20});
  Frames(2);
  Touch(Standing<Battery>().at(0), thief);
  Engine::Get()->GetTimer()->SetPaused(true);
  Frames(30, 0.1);
  EXPECT_TRUE(Standing<Battery>().empty());
  Engine::Get()->GetTimer()->SetPaused(false);
  Frames(25, 0.1);
  EXPECT_EQ(Standing<Battery>().size(), 1u);
}

TEST_F(PickupTest, WalkingIntoAPickupTakesIt) {
  PlaceSpawn<BoxSpawn>({150, 0, 20});
  Player* thief = SpawnThief({0, 0, 40});
  Face(thief, {1, 0, 0});
  thief->playerPhysics.targetSpeed = 300;
  thief->Send(ThiefOrder::kMoveForward, true);
  for (int i = 0; i < 120 && thief->info.boxes == 1; ++i) Frames(1);
  EXPECT_EQ(thief->info.boxes, 2);
}

}  // namespace
