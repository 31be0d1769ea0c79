#include <cmath>

#include "tests/graphics/GuiTestSupport.h"

namespace {

TEST_F(GuiTest, StartUpBuildsEveryListedScreenAndShowsTheIntro) {
  GUI* gui = StartGui();
  for (const char* name : {"Background", "Intro", "MainMenu", "PlayerSelect", "OutfitSelect", "Options", "Loading",
                           "HUD", "InGame", "EndRound", "Credits"}) {
    EXPECT_NE(Screen(name), nullptr) << name;
  }
  EXPECT_EQ(gui->currentScreen, Screen("intro"));
  EXPECT_EQ(gui->backgroundScreen, Screen("BACKGROUND"));
  EXPECT_EQ(Screen("MainMenu")->Proc, "ArrowMoveHandler");
  EXPECT_GE(Screen("HUD")->models.size(), 3u);
  // Named sprites are reachable whatever the letter case.
  EXPECT_EQ(gui->GetSpriteElements().Get("quickstart"), &Screen("MainMenu")->sprites[0]);
  // The credits lines come after the screen's own texts, centred, 50 pixels apart from y 700.
  const auto& credits = Screen("Credits")->texts;
  ASSERT_EQ(credits.size(), 6u);
  EXPECT_EQ(credits[0].Text, "VAULTRUNNER");
  EXPECT_EQ(credits[2].Rect.topLeft.y, 800.0f);
  EXPECT_NEAR(credits[0].Rect.topLeft.x + credits[0].Rect.width / 2.0f, 512.0f, 1.0f);
  // Every screen file, picture and font is there (the models are another folder's business).
  EXPECT_EQ(LogOf("GraphicsLog").find("Failed to load config"), std::string::npos) << LogOf("GraphicsLog");
  EXPECT_EQ(LogOf("GraphicsLog").find("Failed to load texture"), std::string::npos) << LogOf("GraphicsLog");
}

TEST_F(GuiTest, HoverAndClickBroadcastTheElementsCommandsWithTheElement) {
  GUI* gui = StartGui();
  gui->ChangeGUIScreen("MainMenu", 0);
  GUISpriteElement& start = Screen("MainMenu")->sprites[0];
  PointAt(start.Rect.topLeft.x + start.Rect.width, start.Rect.topLeft.y + start.Rect.height);  // the corner counts
  UpdateAndRender();
  ASSERT_EQ(recorder->heard.size(), 1u);
  EXPECT_EQ(recorder->heard[0], std::make_pair(std::string("MenuHover"), static_cast<const void*>(&start)));
  EXPECT_EQ(Screen("MainMenu")->hoveredElement, &start);
  EXPECT_EQ(start.currentFrame, 1) << "a two-frame button lights while hovered";

  graphics->HandleGUIClick();
  ASSERT_EQ(recorder->heard.size(), 2u);
  EXPECT_EQ(recorder->heard[1], std::make_pair(std::string("ClickStartGame"), static_cast<const void*>(&start)));

  // Leaving sends nothing; coming back hovers again.
  PointAt(0, 0);
  UpdateAndRender();
  EXPECT_EQ(Screen("MainMenu")->hoveredElement, nullptr);
  EXPECT_EQ(recorder->heard.size(), 2u);
  PointAt(start.Rect.topLeft.x + 1, start.Rect.topLeft.y + 1);
  UpdateAndRender();
  EXPECT_EQ(recorder->heard.size(), 3u);
}

TEST_F(GuiTest, AClickNeedsNoHoverButAnElementWithoutCommandStaysSilent) {
  GUI* gui = StartGui();
  gui->ChangeGUIScreen("MainMenu", 0);
  GUITextElement& title = Screen("MainMenu")->texts[0];
  UpdateAndRender();  // measures the texts
  PointAt(title.Rect.topLeft.x + 2, title.Rect.topLeft.y + 2);
  graphics->HandleGUIClick();
  EXPECT_TRUE(recorder->heard.empty());
  EXPECT_EQ(Screen("MainMenu")->hoveredElement, nullptr);

  GUISpriteElement& exit = Screen("MainMenu")->sprites[4];
  PointAt(exit.Rect.topLeft.x + 5, exit.Rect.topLeft.y + 5);
  graphics->HandleGUIClick();
  ASSERT_EQ(recorder->heard.size(), 2u);
  EXPECT_EQ(recorder->heard[0].first, "MenuHover");
  EXPECT_EQ(recorder->heard[1].first, "ClickQuitGame");
}

TEST_F(GuiTest, ASlideMovesBothScreensOnTheEngineTimerAndBlocksClicks) {
  GUI* gui = StartGui();
  GUIScreen* intro = Screen("Intro");
  GUIScreen* menu = Screen("MainMenu");
  graphics->ChangeGUIScreen("MainMenu", 0.5f);
  EXPECT_EQ(menu->offset.x, -1024.0f);
  // Frames count for at most 0.1 s each.
  for (int i = 0; i < 4; ++i) Frame(0.0625);
  EXPECT_NEAR(intro->offset.x, 1024 * std::sin(3.14159265f / 4), 0.5f);
  EXPECT_NEAR(menu->offset.x, -1024 * std::cos(3.14159265f / 4), 0.5f);
  EXPECT_EQ(gui->currentScreen, intro);

  // Hit tests use where the element rests, and clicks reach no screen meanwhile.
  GUISpriteElement& start = menu->sprites[0];
  PointAt(start.Rect.topLeft.x + 5, start.Rect.topLeft.y + 5);
  graphics->HandleGUIClick();
  gui->currentScreen = menu;  // even with the target current, the slide blocks the click
  graphics->HandleGUIClick();
  EXPECT_TRUE(recorder->heard.empty());
  gui->currentScreen = intro;

  Frame(0.1);
  Frame(0.1);
  Frame(0.1);  // more than is left: the slide ends exactly at rest
  EXPECT_FALSE(gui->screenSliding);
  EXPECT_EQ(gui->currentScreen, menu);
  EXPECT_EQ(menu->offset.x, 0.0f);
  graphics->HandleGUIClick();
  EXPECT_EQ(recorder->heard.back().first, "ClickStartGame");
}

TEST_F(GuiTest, AnUnknownScreenChangesNothingAndAnImmediateSwitchClearsHovers) {
  GUI* gui = StartGui();
  graphics->ChangeGUIScreen("NoSuchScreen", 0.5f);
  EXPECT_FALSE(gui->screenSliding);
  EXPECT_EQ(gui->currentScreen, Screen("Intro"));
  GUIScreen* menu = Screen("MainMenu");
  menu->sprites[0].hovered = 1;
  menu->texts[0].hovered = 1;
  menu->hoveredElement = &menu->sprites[0];
  graphics->ChangeGUIScreen("mainmenu", 0);
  EXPECT_EQ(gui->currentScreen, menu);
  EXPECT_EQ(menu->hoveredElement, nullptr);
  EXPECT_EQ(menu->sprites[0].hovered, 0);
  EXPECT_EQ(menu->texts[0].hovered, 1) << "texts keep their hover";
}

TEST_F(GuiTest, MenuSelectionPutsTheMainMenuButtonsBack) {
  GUI* gui = StartGui();
  SpriteElementManager& sprites = gui->GetSpriteElements();
  sprites.Get("QuickStart")->FPS = 30;
  sprites.Get("QuickStart")->currentFrame = 1;
  sprites.Get("QuickStart2")->SetPosition(-1024, -1024);
  sprites.Get("PlayerSelect2")->SetPosition(-1024, -1024);
  graphics->UpdateMenuSelection();
  EXPECT_EQ(sprites.Get("QuickStart")->FPS, 0);
  EXPECT_EQ(sprites.Get("QuickStart")->currentFrame, 0);
  EXPECT_EQ(sprites.Get("QuickStart2")->Rect.topLeft.x, 420.0f);
  EXPECT_EQ(sprites.Get("QuickStart2")->Rect.topLeft.y, 339.0f);
  EXPECT_EQ(sprites.Get("PlayerSelect2")->Rect.topLeft.x, 185.0f);
  EXPECT_EQ(sprites.Get("PlayerSelect2")->Rect.topLeft.y, 425.0f);
}

TEST_F(GuiTest, TheCursorFollowsTheMouseAndStaysInTheWindow) {
  GUI* gui = StartGui();
  GUICursor* cursor = gui->GetCursor();
  EXPECT_EQ(cursor->position.x, 512.0f);
  EXPECT_EQ(cursor->position.y, 100.0f);
  cursor->Move(10, -20, 1024, 768);
  EXPECT_EQ(cursor->sprite.Rect.topLeft.x, 522.0f);
  EXPECT_EQ(cursor->sprite.Rect.topLeft.y, 80.0f);
  cursor->Move(-5000, -5000, 1024, 768);
  EXPECT_EQ(cursor->position.x, 0.0f);
  EXPECT_EQ(cursor->position.y, 0.0f);
  cursor->Move(5000, 5000, 1280, 720);
  EXPECT_EQ(cursor->position.x, 1280.0f);
  EXPECT_EQ(cursor->position.y, 720.0f);
}

TEST_F(GuiTest, TextsAreMeasuredWhereverTheyAreAndCentredOnTheLayout) {
  StartGui();
  GUITextElement text;
  text.Text = "Quick start";
  text.SetFont("Menu");
  ASSERT_NE(text.font, nullptr);
  text.Rect.topLeft = {100, 800};  // below the layout: measured, not drawn
  text.Draw();
  EXPECT_GT(text.Rect.width, 0);
  EXPECT_GT(text.Rect.height, 0);
  const int width = text.Rect.width;
  text.CenterHorizontally();
  EXPECT_EQ(text.Rect.topLeft.x, static_cast<float>(512 - width / 2));

  GUITextElement noFont;
  noFont.Text = "x";
  noFont.SetFont("NoSuchFont");
  noFont.Draw();
  EXPECT_EQ(noFont.Rect.width, 0) << "a text without a font is not drawn";
}

TEST_F(GuiTest, ATextShowsItsVariable) {
  StartGui();
  GUITextElement text;
  text.Text = "own";
  text.VariableName = "Wireframe";
  EXPECT_EQ(text.ShownText(), "false");
  text.showName = true;
  EXPECT_EQ(text.ShownText(), "Wireframe = false");
  text.VariableName = "fps";
  text.showName = false;
  EXPECT_EQ(text.ShownText(), "own");
}

}  // namespace
