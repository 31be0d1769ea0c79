#include <gtest/gtest.h>

#include <fstream>

#include "tests/logic/GameTestSupport.h"

namespace {

// A level designer's screens that lack what the game logic names: the tally, the options, the
// alert lamps and the in-game menu find none of their elements, and each such step is skipped.
class MissingGuiElementsTest : public MenuTest {
 protected:
  void SetUp() override {
    for (const char* screen : {"endround", "options", "hud", "ingame"})
      std::ofstream(std::string("Data/menus/") + screen + ".xml")
          << "<?xml version=\"1.0\"?>\n<var><list name=\"Sprites\"></list><list name=\"Text\"></list>"
             "<list name=\"Models\"></list></var>";
    StartMenus();
    RegisterEntityClass<TestThief>("LogicLog");
  }
};

TEST_F(MissingGuiElementsTest, TheRoundsScreensStepsAreSkipped) {
  Logic* logic = GetLogic();
  ShowAtOnce("Options");
  logic->GetMenus().ChangeDifficulty(3);
  logic->GetMenus().ChangeTime(12.0f);
  logic->GetMenus().OptionsHandler();
  logic->SetAlertLevel(2);
  EXPECT_EQ(logic->GetAlertLevel(), 2);

  auto* thief = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
  thief->info.outfit = 1;
  Tally& tally = logic->GetTally();
  tally.EndGame();
  logic->AddScore(1, 350);
  for (int i = 0; i < 80 && !tally.IsWinnerShown(); ++i) EngineFixture::Frame(0.1);
  // The counting and the places need no sprite: only their pictures are missing.
  EXPECT_TRUE(tally.IsWinnerShown());
  ASSERT_EQ(tally.GetResults().size(), 1u);
  EXPECT_EQ(tally.GetResults()[0].place, 4);
}

}  // namespace
