#include <gtest/gtest.h>

#include <cmath>

#include "tests/logic/GameTestSupport.h"

namespace {

inline constexpr char kTeleporterName[] = "Teleporter";
using TestTeleporter = StandIn<kTeleporterName>;

class RoundRulesTest : public GameTest {
 protected:
  void SetUp() override {
    StartGameLogic();
    RegisterEntityClass<TestTeleporter>("LogicLog");
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
  Make<TestTeleporter>("Teleporter", {10, 0, 0}, 1);
  Make<TestTeleporter>("Teleporter", {100, 0, 0});
  auto* first = Make<TestTeleporter>("Teleporter", {20, 0, 0});
  Make<TestTeleporter>("Teleporter", {10, 0, 0});
  Frame();
  EXPECT_EQ(user->info.teleporter.Get(), first);
  user->physical.SetPosition({500, 0, 0});
  Frame();
  EXPECT_EQ(user->info.teleporter.Get(), nullptr);
}

}  // namespace
