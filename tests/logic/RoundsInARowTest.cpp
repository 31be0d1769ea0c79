#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <map>
#include <string>

#include "engine/Engine.h"
#include "entity/EntityManager.h"
#include "physics/Physics.h"
#include "tests/logic/GameTestSupport.h"

namespace {

// Games started and ended again and again in one run with the real game classes on a real
// physics world: every round leaves the menus as it found them.
class RoundsInARowTest : public GameTest {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/MuseumItems.xml", "Data/MuseumItems.xml");
    std::filesystem::copy(std::string(VR_DATA_DIR) + "/Data/gadgets", "Data/gadgets");
    StartLogic([] { return new Physics(); });
  }
  static size_t EntityCount() { return Engine::Get()->GetEntityManager()->Count(); }
  static double ResidentBytes() {
    size_t pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
  }
  // Entities are deleted at the end of the frame that asked for it.
  void Settle() {
    for (int i = 0; i < 3; ++i) Frame();
  }
};

TEST_F(RoundsInARowTest, TenRoundsEachEndWithTheMenusEntities) {
  Settle();
  const size_t inMenus = EntityCount();
  std::map<std::string, size_t> firstRound;
  [[maybe_unused]] double afterSecondRound = 0;  // read only without the sanitizer
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE(round);
    GetLogic()->StartGame();
    ASSERT_TRUE(GetLogic()->IsInGame());
    GetLogic()->EndMapFlyThrough();
    for (int i = 0; i < 30; ++i) Frame();
    // Each round holds the same game: its class lists are as long as the first round's.
    for (const char* name : {"Player", "PlayerStart", "ItemSpawn", "Item", "ItemDropoff", "Teleporter", "TripLaser", "Guard"}) {
      const EntityList* list = GetLogic()->GetEntities(name);
      const size_t n = list ? list->Count() : 0;
      if (round == 0) firstRound[name] = n;
      EXPECT_EQ(n, firstRound[name]) << name;
    }
    GetLogic()->ReturnToMainMenu();
    Settle();
    EXPECT_FALSE(GetLogic()->IsInGame());
    EXPECT_EQ(EntityCount(), inMenus);
    if (round == 1) afterSecondRound = ResidentBytes();
  }
#ifndef __SANITIZE_ADDRESS__
  // The sanitizer's quarantine holds freed memory back, so the growth is measured without it.
  EXPECT_LT(ResidentBytes(), afterSecondRound * 1.05);
#endif
  EXPECT_GT(firstRound["Player"], 0u);
  EXPECT_GT(firstRound["Item"], 0u);
}

}  // namespace
