#include <gtest/gtest.h>

#include <cmath>

#include "entities/Teleporter.h"
#include "tests/logic/GameTestSupport.h"

namespace {

class RoundRulesTest : public GameTest {
 protected:
  void SetUp() override {
    StartGameLogic();
    StartRound();
    user = Thief();
    computer = Make<TestThief>("Player", {0, 0, 0});
  }

  template <class T>
  T* Make(const char* className, const platform::Vector3& at, uint32_t map = 0) {
    auto* entity = static_cast<T*>(Engine::Get()->GetEntityManager()->Create(className));
    entity->physical.SetPosition(at);
    entity->mapIndex.mapIndex = map;
    return entity;
  }
  // The arrow bobs above its base; the reach is measured from the base.
  Teleporter* MakeTeleporter(const platform::Vector3& base, uint32_t map = 0, bool banned = false) {
    auto* teleporter = Make<Teleporter>("Teleporter", base + platform::Vector3{0, 0, 50}, map);
    teleporter->basePosition = base;
    teleporter->banned = banned ? 1 : 0;
    return teleporter;
  }

  TestThief* user = nullptr;
  TestThief* computer = nullptr;
};

// Reach is a squared distance: 6000 is beyond the user's 5000 but within a computer thief's 7500.
TEST_F(RoundRulesTest, AGuardReachesComputerThievesFartherAndNeverAThiefUnderItsBox) {
  user->physical.SetPosition({0, 0, 0});
  user->mapIndex.mapIndex = 0;
  const float apart = std::sqrt(6000.0f);
  auto* guard = Make<TestGuard>("Guard", {apart, 0, 0});
  Make<TestGuard>("Guard", {apart, 0, 0}, 1);
  Frame();
  EXPECT_TRUE(user->touchedBy.empty());
  EXPECT_EQ(computer->touchedBy, (std::vector<Entity*>{guard})) << "the guard of another map touches no one";

  computer->touchedBy.clear();
  computer->info.inBox = 1;
  guard->physical.SetPosition({10, 0, 0});
  Frame();
  EXPECT_TRUE(computer->touchedBy.empty());
  EXPECT_EQ(user->touchedBy, (std::vector<Entity*>{guard}));
}

TEST_F(RoundRulesTest, TheFirstTeleporterInReachOfTheThiefsMapIsTheOneToEnter) {
  user->physical.SetPosition({0, 0, 0});
  user->mapIndex.mapIndex = 0;
  MakeTeleporter({10, 0, 0}, 1);
  MakeTeleporter({100, 0, 0});
  auto* first = MakeTeleporter({20, 0, 0});
  MakeTeleporter({10, 0, 0});
  Frame();
  EXPECT_EQ(user->info.teleporter.Get(), first);
  user->physical.SetPosition({500, 0, 0});
  Frame();
  EXPECT_EQ(user->info.teleporter.Get(), nullptr);
}

// 5000 is the squared reach: exactly there still counts.
TEST_F(RoundRulesTest, ABannedTeleporterServesOnlyTheUsersThief) {
  user->physical.SetPosition({50, 50, 0});
  computer->physical.SetPosition({-50, 50, 0});
  auto* banned = MakeTeleporter({0, 0, 0}, 0, true);
  Frame();
  EXPECT_EQ(user->info.teleporter.Get(), banned);
  EXPECT_EQ(computer->info.teleporter.Get(), nullptr);
  auto* open = MakeTeleporter({0, 0, 0});
  Frame();
  EXPECT_EQ(computer->info.teleporter.Get(), open);
}

}  // namespace
