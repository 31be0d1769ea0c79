#include <gtest/gtest.h>

#include <vector>

#include "engine/CommandDispatcher.h"
#include "graphics/VideoPlayer.h"
#include "tests/graphics/RedFilm.h"
#include "tests/logic/LogicTestSupport.h"

namespace {

class MenuFlowTest : public MenuTest {
 protected:
  void Command(const std::string& name) { GetLogic()->SendCommand(name); }
  bool SlidingTo(const std::string& name, float seconds) {
    GUI* gui = graphics->GetGUI();
    return gui->screenSliding && gui->incomingScreen == Screen(name) && gui->slideDuration == seconds;
  }
};

// The input sees the press in one frame; the graphics update of the next acts on it.
TEST_F(MenuFlowTest, AKeyOnTheIntroSlidesToTheMainMenu) {
  StartMenus();
  ASSERT_TRUE(IsCurrent("Intro"));
  Frame(0.05);
  Frame(0.05);
  EXPECT_FALSE(Sliding());
  TapKey(kKeySpace);
  Frame(0.05);
  Frame(0.05);
  EXPECT_TRUE(SlidingTo("MainMenu", 0.5f));
  FinishSlide();
  EXPECT_TRUE(IsCurrent("MainMenu"));
  // Only the intro leads on by any key.
  TapKey(kKeySpace);
  Frame(0.05);
  Frame(0.05);
  EXPECT_FALSE(Sliding());
}

// A key during the intro film ends it as its last picture would: the white fade over the intro
// screen, which a further key leaves for the main menu.
TEST_F(MenuFlowTest, AKeyDuringTheIntroFilmEndsItAndAnotherLeadsOn) {
  ASSERT_TRUE(MakeRedFilm(10));
  StartMenus();
  CommandDispatcher().Execute("StartVideo", "ConsoleCmd");
  Frame(0.05);
  ASSERT_NE(VideoPlayer::Current(), nullptr);
  ASSERT_TRUE(VideoPlayer::Current()->IsPlaying());
  TapKey(kKeySpace);
  Frame(0.05);
  Frame(0.05);
  EXPECT_EQ(VideoPlayer::Current(), nullptr);
  EXPECT_TRUE(graphics->IsWhiteFading());
  EXPECT_TRUE(IsCurrent("Intro"));
  EXPECT_FALSE(Sliding());
  TapKey(kKeySpace);
  Frame(0.05);
  Frame(0.05);
  EXPECT_TRUE(SlidingTo("MainMenu", 0.5f));
}

// A clicked button plays its frames, its glint goes, and its screen follows half a second on.
TEST_F(MenuFlowTest, ButtonsAnimateAndLeadOnAfterHalfASecond) {
  struct Button {
    const char* command;
    const char* from;
    const char* sprite;
    const char* glint;
    const char* next;
  };
  StartMenus();
  for (const Button& b : {Button{"ClickStartGame", "MainMenu", "QuickStart", "QuickStart2", "Loading"},
                          Button{"ClickGo", "Options", "Go", nullptr, "Loading"},
                          Button{"ClickQuitGame", "MainMenu", "Exit", "Exit2", "Credits"},
                          Button{"ClickPlayerSelect", "MainMenu", "PlayerSelect", "PlayerSelect2", "PlayerSelect"}}) {
    ShowAtOnce(b.from);
    Command(b.command);
    EXPECT_EQ(Sprite(b.sprite)->FPS, 30) << b.command;
    if (b.glint) {
      EXPECT_EQ(Sprite(b.glint)->Rect.topLeft.x, -1024.0f) << b.command;
      EXPECT_EQ(Sprite(b.glint)->Rect.topLeft.y, -1024.0f) << b.command;
    }
    Frame(0.3);
    EXPECT_FALSE(Sliding()) << b.command;
    Frame(0.3);
    EXPECT_TRUE(SlidingTo(b.next, 0.5f)) << b.command;
    FinishSlide();
  }
}

// The button's click goes out on "GUICmd", where the command entity hears it.
TEST_F(MenuFlowTest, AClickOnAMenuButtonReachesTheGameLogic) {
  StartMenus();
  ShowAtOnce("MainMenu");
  const GUIRect& exit = Sprite("Exit")->Rect;
  PointAt(exit.topLeft.x + 10, exit.topLeft.y + 10);
  graphics->HandleGUIClick();
  EXPECT_EQ(Sprite("Exit")->FPS, 30);
  Frame(0.6);
  EXPECT_TRUE(SlidingTo("Credits", 0.5f));
}

TEST_F(MenuFlowTest, TheEscapeKeyOfTheMenuControlsGoesBack) {
  StartMenus();
  ShowAtOnce("OutfitSelect");
  TapKey(kKeyEscape);
  Frame(0.01);
  EXPECT_TRUE(SlidingTo("PlayerSelect", 0.5f));
}

TEST_F(MenuFlowTest, PlayerSelectComesWithItsSecondModelSelected) {
  StartMenus();
  Command("PlayerSelect");
  EXPECT_TRUE(SlidingTo("PlayerSelect", 0.5f));
  GUIScreen* select = Screen("PlayerSelect");
  ASSERT_EQ(select->models.size(), 2u);
  EXPECT_EQ(select->hoveredElement, &select->models[1]);
}

TEST_F(MenuFlowTest, TheChosenThiefShowsOnTheOutfitScreen) {
  StartMenus();
  EXPECT_EQ(GetLogic()->GetMenus().GetGender(), 1);
  EXPECT_EQ(GetLogic()->GetMenus().GetOutfit(), 2);
  GUIScreen* outfits = Screen("OutfitSelect");
  const size_t models = outfits->models.size();
  ASSERT_GE(models, 1u);
  Command("OutfitSelectMale");
  EXPECT_TRUE(SlidingTo("OutfitSelect", 0.5f));
  GUIModelElement& preview = outfits->models.back();
  EXPECT_EQ(preview.ModelName, "thief");
  EXPECT_EQ(preview.ModelPos, (platform::Vector3{-10, 0, 0}));
  EXPECT_NE(preview.modelEntity.Get(), nullptr);
  EXPECT_EQ(GetLogic()->GetMenus().GetGender(), 0);
  FinishSlide();
  Command("OutfitToggle4");
  EXPECT_EQ(preview.variant, 3);
  EXPECT_EQ(GetLogic()->GetMenus().GetOutfit(), 3);
  Command("OutfitToggle1");
  EXPECT_EQ(preview.variant, 0);
  EXPECT_EQ(GetLogic()->GetMenus().GetOutfit(), 0);
  Command("OutfitSelectFemale");
  EXPECT_EQ(preview.ModelName, "femaleThief");
  EXPECT_EQ(GetLogic()->GetMenus().GetGender(), 1);
  EXPECT_EQ(outfits->models.size(), models);
}

// A screen file without the preview model gets one.
TEST_F(MenuFlowTest, AnOutfitScreenWithoutModelsGetsThePreview) {
  StartMenus();
  GUIScreen* outfits = Screen("OutfitSelect");
  outfits->models.clear();
  Command("OutfitSelectFemale");
  ASSERT_EQ(outfits->models.size(), 1u);
  EXPECT_EQ(outfits->models[0].ModelName, "femaleThief");
}

TEST_F(MenuFlowTest, ScreenCommandsSlideInTheirScreens) {
  StartMenus();
  const std::vector<std::pair<const char*, const char*>> commands = {
      {"MainMenu", "MainMenu"}, {"Load", "Loading"}, {"OutfitSelect", "OutfitSelect"},
      {"Options", "Options"},   {"ShowCredits", "Credits"}};
  for (const auto& [command, screen] : commands) {
    Command(command);
    EXPECT_TRUE(SlidingTo(screen, 0.5f)) << command;
    FinishSlide();
    EXPECT_TRUE(IsCurrent(screen)) << command;
  }
}

TEST_F(MenuFlowTest, EscapeGoesOneScreenBack) {
  StartMenus();
  const std::vector<std::pair<const char*, const char*>> steps = {
      {"Options", "OutfitSelect"}, {"OutfitSelect", "PlayerSelect"}, {"PlayerSelect", "MainMenu"}};
  for (const auto& [from, to] : steps) {
    ShowAtOnce(from);
    Command("EscapePressed");
    EXPECT_TRUE(SlidingTo(to, 0.5f)) << from;
    FinishSlide();
  }
}

// Back from the player choice the main menu's buttons are at rest again.
TEST_F(MenuFlowTest, EscapeFromPlayerSelectRestoresTheMenuButtons) {
  StartMenus();
  ShowAtOnce("MainMenu");
  Command("ClickPlayerSelect");
  ShowAtOnce("PlayerSelect");
  Command("EscapePressed");
  EXPECT_EQ(Sprite("PlayerSelect")->FPS, 0);
  EXPECT_EQ(Sprite("PlayerSelect2")->Rect.topLeft.x, 185.0f);
  EXPECT_EQ(Sprite("PlayerSelect2")->Rect.topLeft.y, 425.0f);
}

TEST_F(MenuFlowTest, EscapeElsewhereSlidesSlowlyToTheCreditsAndIsIgnoredDuringASlide) {
  StartMenus();
  ShowAtOnce("MainMenu");
  Command("EscapePressed");
  EXPECT_TRUE(SlidingTo("Credits", 1.0f));
  Frame(0.1);
  Command("EscapePressed");
  EXPECT_TRUE(SlidingTo("Credits", 1.0f));
  EXPECT_TRUE(Frame(0.1));
  FinishSlide();
  EXPECT_TRUE(IsCurrent("Credits"));
}

TEST_F(MenuFlowTest, EscapeOnTheCreditsEndsTheProgram) {
  StartMenus();
  ShowAtOnce("Credits");
  Command("EscapePressed");
  EXPECT_TRUE(QuitsWithinFrames());
}

TEST_F(MenuFlowTest, QuitGameEndsTheMainLoop) {
  Engine* engine = Engine::Instance();
  StartMenus();
  EXPECT_TRUE(Frame(0.01));
  Command("QuitGame");
  engine->Run();
  EXPECT_FALSE(QuitsWithinFrames());
}

// The main menu names the arrow handler as its per-frame message: the frame sends it.
TEST_F(MenuFlowTest, TheArrowStandsAboveTheSelectedElement) {
  StartMenus();
  PointAt(0, 0);
  ShowAtOnce("MainMenu");
  GUIScreen* menu = Screen("MainMenu");
  GUISpriteElement* arrow = &menu->sprites.back();
  ASSERT_EQ(arrow->Name, "Arrow");
  GUISpriteElement* start = Sprite("QuickStart");
  menu->hoveredElement = start;
  Frame(0.01);
  const GUIRect& r = start->Rect;
  EXPECT_EQ(arrow->Rect.topLeft.x, static_cast<float>(static_cast<int32_t>(r.topLeft.x) + r.width / 2 - 32));
  EXPECT_EQ(arrow->Rect.topLeft.y, r.topLeft.y - 64.0f);
  menu->hoveredElement = nullptr;
  Frame(0.01);
  EXPECT_EQ(arrow->Rect.topLeft.x, -1024.0f);
  EXPECT_EQ(arrow->Rect.topLeft.y, -1024.0f);
}

TEST_F(MenuFlowTest, CreditsScrollUpAndEndWhenScrolledOut) {
  StartMenus();
  ShowAtOnce("Credits");
  std::deque<GUITextElement>& lines = Current()->texts;
  ASSERT_FALSE(lines.empty());
  std::vector<float> before;
  for (const GUITextElement& line : lines) before.push_back(line.Rect.topLeft.y);
  EXPECT_TRUE(Frame(0.05));
  const float step = 80.0f * static_cast<float>(Engine::Get()->GetTimer()->GetDelta());
  EXPECT_GT(step, 0.0f);
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_FLOAT_EQ(lines[i].Rect.topLeft.y, before[i] - step);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Frame(0.05));
  // One line still in sight keeps them going.
  for (GUITextElement& line : lines) line.Rect.topLeft.y = 1.0f;
  lines.back().Rect.topLeft.y = 100.0f;
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Frame(0.01));
  for (GUITextElement& line : lines) line.Rect.topLeft.y = 1.0f;
  EXPECT_TRUE(QuitsWithinFrames());
}

TEST_F(MenuFlowTest, AKeyEndsTheCredits) {
  StartMenus();
  ShowAtOnce("Credits");
  EXPECT_TRUE(Frame(0.05));
  TapKey(kKeySpace);
  EXPECT_TRUE(QuitsWithinFrames());
}

}  // namespace

namespace {

// The options screen's handler runs every frame of the main loop: the settings' difficulty and
// time stay lit, and a clicked button takes over.
TEST_F(MenuFlowTest, TheOptionsScreenKeepsTheChosenButtonsLit) {
  StartMenus();
  ShowAtOnce("Options");
  Frame(0.05);
  Frame(0.05);
  EXPECT_EQ(Sprite("D2")->currentFrame, 1);
  EXPECT_EQ(Sprite("Time2")->currentFrame, 1);
  Command("ChangeDifficulty3");
  Frame(0.05);
  Frame(0.05);
  EXPECT_EQ(Sprite("D3")->currentFrame, 1);
  EXPECT_EQ(Sprite("D2")->currentFrame, 0);
}

}  // namespace
