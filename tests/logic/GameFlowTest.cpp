#include <gtest/gtest.h>

#include <filesystem>

#include "tests/logic/LogicTestSupport.h"

namespace {

class GameFlowTest : public MenuTest {
 protected:
  void SetUp() override {
    CopyDemoMaps();
    std::filesystem::copy_file(std::filesystem::path(VR_GENERATED_DIR) / "Data" / "Museummaps.xml",
                               DataFile("Museummaps.xml"));
    StartMenus();
    GetLogic()->StartGame();
    GetLogic()->EndMapFlyThrough();
  }
};

// Escape opens the in-game menu with the clock standing and no thief steered, and closes it.
TEST_F(GameFlowTest, EscapeOpensAndClosesTheInGameMenu) {
  Logic* logic = GetLogic();
  ASSERT_TRUE(IsCurrent("HUD"));
  logic->SendCommand("EscapePressed");
  EXPECT_TRUE(IsCurrent("InGame"));
  EXPECT_TRUE(logic->IsOverlayActive());
  EXPECT_EQ(logic->GetControlsName(), "Null");
  const float left = logic->GetRoundTimeLeft();
  for (int i = 0; i < 10; ++i) Frame(0.1);
  EXPECT_FLOAT_EQ(logic->GetRoundTimeLeft(), left);

  logic->SendCommand("EscapePressed");
  EXPECT_TRUE(IsCurrent("HUD"));
  EXPECT_EQ(logic->GetControlsName(), "Game");
  for (int i = 0; i < 10; ++i) Frame(0.1);
  EXPECT_LT(logic->GetRoundTimeLeft(), left);
}

TEST_F(GameFlowTest, EndSessionLeadsToTheMainMenuAndAnotherGameStarts) {
  Logic* logic = GetLogic();
  logic->SendCommand("EscapePressed");
  logic->SendCommand("EndSession");
  EXPECT_TRUE(IsCurrent("MainMenu"));
  EXPECT_FALSE(logic->IsInGame());
  EXPECT_FALSE(logic->IsOverlayActive());
  EXPECT_FALSE(Engine::Get()->GetTimer()->IsPaused());
  EXPECT_EQ(logic->GetEntities("Player"), nullptr);

  logic->StartGame();
  EXPECT_TRUE(logic->IsInGame());
  EXPECT_TRUE(IsCurrent("HUD"));
}

TEST_F(GameFlowTest, ExitFromGameLeadsToTheCredits) {
  GetLogic()->SendCommand("EscapePressed");
  GetLogic()->SendCommand("ExitFromGame");
  EXPECT_TRUE(IsCurrent("Credits"));
  EXPECT_FALSE(GetLogic()->IsInGame());
}

// The click on the in-game menu's Quit brings up the credits in its own frame; it does not end
// them too, and the next key does.
TEST_F(GameFlowTest, TheQuitClickShowsTheCreditsAndTheNextKeyEndsThem) {
  GetLogic()->SendCommand("EscapePressed");
  const GUIRect& quit = Sprite("Quit")->Rect;
  PointAt(quit.topLeft.x + 10, quit.topLeft.y + 10);
  backend->Mouse().Press(platform::kMouseLeft);
  backend->Mouse().Release(platform::kMouseLeft);
  ASSERT_TRUE(Frame(0.01));
  ASSERT_TRUE(IsCurrent("Credits"));
  EXPECT_FALSE(QuitsWithinFrames());
  TapKey(kKeySpace);
  EXPECT_TRUE(QuitsWithinFrames());
}

}  // namespace
